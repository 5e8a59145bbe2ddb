#pragma once

#include "dialogs/lookups/LookupDialog.h"
#include "dialogs/lookups/logic/LookupAddresses.h"

#include <memory>

class QButtonGroup;

namespace Ui {
class DictionaryDialog;
}

// Looks a word up in one of four online dictionaries, to help with an entry's
// translations; the browser shows the result.
class DictionaryDialog : public LookupDialog
{
    Q_OBJECT

public:
    explicit DictionaryDialog(QWidget *parent = nullptr);
    ~DictionaryDialog() override;

    Lookups::Dictionary dictionary() const;

    void queryChanged();
    // The query reads in the chosen dictionary's direction, ready to type into.
    void dictionaryChosen();
    void search();

private:
    std::unique_ptr<Ui::DictionaryDialog> m_ui;
    QButtonGroup *m_dictionaries;
};
