#pragma once

// The quarantine window: the items that removals took, each with a check box,
// and the buttons that put the checked ones back or delete them for good. It
// only shows rows and reports clicks; what Restore and Delete do is attached
// by the code that owns the quarantine.

#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/list_view.h"

namespace ui {

// One item of the quarantine as the window shows it, in texts ready to show.
struct QuarantineRow {
    std::string threat;
    std::string what;       // the kind of item: file, folder, cookie, registry key or value
    std::string whereFrom;  // where it was removed from
    std::string when;       // when it was removed
    std::string size;       // empty when not known
    bool checked = false;
    // What the row stands for, for the code that acts on it: the window
    // hands it back untouched.
    std::string id;
};

class FrmQuarantine : public Form {
public:
    explicit FrmQuarantine(FormContext& context);

    // Replaces every row of the list.
    void SetRows(const std::vector<QuarantineRow>& rows);
    // The rows as they stand now, with the user's check marks.
    [[nodiscard]] std::vector<QuarantineRow> Rows() const;
    [[nodiscard]] std::vector<QuarantineRow> CheckedRows() const;
    // While held, Restore and Delete stay unavailable whatever is checked:
    // a removal that runs meanwhile may still rely on the items it saved.
    void HoldCommands(bool held);

    Label* lblExplain;
    // Its check marks belong to the window: it enables the buttons by them.
    ListView* lvwItems;
    Label* lblEmpty;  // shown while the list is empty
    CommandButton* cmdRestore;
    CommandButton* cmdDelete;  // "Delete permanently"
    CommandButton* cmdClose;

private:
    void UpdateCommands();

    std::vector<std::string> m_ids;
    bool m_held = false;
};

}  // namespace ui
