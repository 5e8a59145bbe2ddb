#pragma once

#include "dialogs/lookups/LookupDialog.h"
#include "dialogs/lookups/logic/LookupAddresses.h"

#include <memory>

class QButtonGroup;

namespace Ui {
class EtymologyDialog;
}

// Looks an English word up in one of five etymology and reference dictionaries,
// for the origin of a loan word; the browser shows the result.
class EtymologyDialog : public LookupDialog
{
    Q_OBJECT

public:
    explicit EtymologyDialog(QWidget *parent = nullptr);
    ~EtymologyDialog() override;

    Lookups::EtymologySource source() const;

    void queryChanged();
    void search();

private:
    std::unique_ptr<Ui::EtymologyDialog> m_ui;
    QButtonGroup *m_sources;
};
