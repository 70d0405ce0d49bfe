#include "ui/frm_quarantine.h"

namespace ui {

FrmQuarantine::FrmQuarantine(FormContext& context) : Form(context, "frmQuarantine") {
    SetCaption("Quarantine");
    SetSize(800, 420);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    lblExplain = &AddLabel("lblExplain",
                           "These items were removed and are kept in the quarantine. Check the "
                           "ones to put back where they were, or to delete for good.",
                           {12, 12, 776, 34});
    lvwItems = &AddListView("lvwItems", {12, 50, 776, 314});
    lvwItems->checkBoxes = true;
    lvwItems->AddColumn("Threat", 150);
    lvwItems->AddColumn("What", 130);
    lvwItems->AddColumn("Where from", 280);
    lvwItems->AddColumn("When", 130);
    lvwItems->AddColumn("Size", 60);
    lvwItems->onItemCheck = [this](int) {
        UpdateCommands();
    };
    cmdRestore = &AddButton("cmdRestore", "Restore", {12, 378, 120, 28});
    cmdDelete = &AddButton("cmdDelete", "Delete permanently", {140, 378, 160, 28});
    lblEmpty = &AddLabel("lblEmpty", "The quarantine holds no items.", {312, 384, 364, 20});
    lblEmpty->SetLook(Look::Muted);
    cmdClose = &AddButton("cmdClose", "Close", {688, 378, 100, 28});
    cmdClose->isDefault = true;
    cmdClose->isCancel = true;
    UpdateCommands();
}

void FrmQuarantine::SetRows(const std::vector<QuarantineRow>& rows) {
    lvwItems->Clear();
    m_ids.clear();
    for (const QuarantineRow& row : rows) {
        const int index = lvwItems->AddItem(row.threat);
        lvwItems->SetSubItem(index, 1, row.what);
        lvwItems->SetSubItem(index, 2, row.whereFrom);
        lvwItems->SetSubItem(index, 3, row.when);
        lvwItems->SetSubItem(index, 4, row.size);
        lvwItems->SetChecked(index, row.checked);
        m_ids.push_back(row.id);
    }
    UpdateCommands();
}

std::vector<QuarantineRow> FrmQuarantine::Rows() const {
    std::vector<QuarantineRow> rows;
    for (int index = 0; index < lvwItems->ItemCount(); ++index) {
        const ListItem& item = lvwItems->Item(index);
        rows.push_back({item.text, item.SubItem(1), item.SubItem(2), item.SubItem(3),
                        item.SubItem(4), item.checked,
                        index < static_cast<int>(m_ids.size()) ? m_ids[index] : std::string()});
    }
    return rows;
}

std::vector<QuarantineRow> FrmQuarantine::CheckedRows() const {
    std::vector<QuarantineRow> rows = Rows();
    std::erase_if(rows, [](const QuarantineRow& row) { return !row.checked; });
    return rows;
}

void FrmQuarantine::HoldCommands(bool held) {
    m_held = held;
    UpdateCommands();
}

void FrmQuarantine::UpdateCommands() {
    bool anyChecked = false;
    for (int index = 0; index < lvwItems->ItemCount(); ++index) {
        anyChecked = anyChecked || lvwItems->Item(index).checked;
    }
    cmdRestore->SetEnabled(anyChecked && !m_held);
    cmdDelete->SetEnabled(anyChecked && !m_held);
    lblEmpty->SetVisible(lvwItems->ItemCount() == 0);
}

}  // namespace ui
