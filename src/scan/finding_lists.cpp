#include "scan/finding_lists.h"

#include "base/text.h"
#include "core/application.h"
#include "core/scan_state.h"

namespace scan {

bool HasSummaryRow(const ui::ListView& summary, std::string_view threatName) {
    const std::string prefix = std::string(threatName) + " - Found";
    for (int row = 0; row < summary.ItemCount(); ++row) {
        if (base::StartsWithIgnoreCase(summary.Item(row).text, prefix)) {
            return true;
        }
    }
    return false;
}

void AddExcludedRow(core::Application& app, std::string_view location) {
    app.frmMain.lvwSpywareFound->AddItem("EXCLUDED: " + std::string(location), kIconExcluded);
}

void IncrementCaption(ui::Label& label) {
    label.SetCaption(
        std::to_string(static_cast<std::int64_t>(base::LeadingNumber(label.Caption())) + 1));
}

void AddThreat(core::Application& app, std::string_view threatName, int icon,
               std::string_view location, std::string_view typeText) {
    ui::FrmMain& main = app.frmMain;
    main.lvwSpywareFound->AddItem(std::string(threatName) + " - Found", icon);
    ui::ListView& removal = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    const int row = removal.AddItem(std::string(threatName), icon);
    removal.SetSubItem(row, 1, std::string(location));
    if (!typeText.empty()) {
        removal.SetSubItem(row, 2, std::string(typeText));
    }
    ++app.scan.ThreatsFound;
}

std::string RootHandleText(std::uint32_t handle) {
    return std::to_string(static_cast<std::int32_t>(handle));
}

void PropagateRemovalCheck(core::Application& app, int row) {
    ui::FrmMain& main = app.frmMain;
    const ui::ListItem& item = main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->Item(row);
    const bool checked = item.checked;
    const std::string& text = item.text;
    const std::string& location = item.SubItem(1);
    const auto follow = [checked](ui::ListView& list, const auto& belongs) {
        for (int trace = 0; trace < list.ItemCount(); ++trace) {
            if (belongs(list.Item(trace))) {
                list.SetChecked(trace, checked);
            }
        }
    };
    // A threat's traces may be of every kind, whatever the icon of its first
    // one: all of them follow the row, or a removal would leave part of the
    // threat behind in lists nobody sees. The scan gives a threat one row
    // whatever the letter case of its name, so the name matches that way too.
    follow(*main.lvwCookiesToDelete,
           [&](const ui::ListItem& trace) { return trace.text == location; });
    follow(*main.lvwRegistryToBeDeleted, [&](const ui::ListItem& trace) {
        return trace.SubItem(1) == text || base::EqualsIgnoreCase(trace.SubItem(3), text);
    });
    follow(*main.lvwFilesToBeDeleted, [&](const ui::ListItem& trace) {
        return base::EqualsIgnoreCase(trace.SubItem(1), text) || trace.text == location;
    });
}

void cmdSelectAll_Click(core::Application& app) {
    ui::ListView& removal = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int row = 0; row < removal.ItemCount(); ++row) {
        if (!removal.Item(row).checked) {
            removal.SetChecked(row, true);
            PropagateRemovalCheck(app, row);
        }
    }
}

void RemoveCheckedRows(ui::ListView& list) {
    int row = 0;
    while (row < list.ItemCount()) {
        if (list.Item(row).checked) {
            list.RemoveItem(row);
        } else {
            ++row;
        }
    }
}

void AttachFindingLists(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->onItemCheck = [&app](int row) {
        PropagateRemovalCheck(app, row);
    };
    main.cmdSelectAll->onClick = [&app] {
        cmdSelectAll_Click(app);
    };
}

}  // namespace scan
