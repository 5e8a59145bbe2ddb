#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class WikiSaveDialog;
}

// The box before a save to the wiki: the edit's summary, and the changes the save
// would make a button away.
class WikiSaveDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WikiSaveDialog(QWidget *parent = nullptr);
    ~WikiSaveDialog() override;

    QString summary() const;

signals:
    // "הצג שינויים"; the box stays open meanwhile.
    void changesRequested();

private:
    std::unique_ptr<Ui::WikiSaveDialog> m_ui;
};
