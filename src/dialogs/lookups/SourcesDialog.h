#pragma once

#include "dialogs/lookups/LookupDialog.h"
#include "dialogs/lookups/logic/LookupAddresses.h"

#include <memory>

class QButtonGroup;

namespace Ui {
class SourcesDialog;
}

// Searches the classical Hebrew sources for a word in the chosen collections, to
// find quotations for an entry; the browser shows the result.
class SourcesDialog : public LookupDialog
{
    Q_OBJECT

public:
    explicit SourcesDialog(QWidget *parent = nullptr);
    ~SourcesDialog() override;

    Lookups::Collections collections() const;

    void queryChanged();
    void search();

private:
    std::unique_ptr<Ui::SourcesDialog> m_ui;
    QButtonGroup *m_collections;
};
