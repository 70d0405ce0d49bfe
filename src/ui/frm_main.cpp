#include "ui/frm_main.h"

#include "ui/tab_strip.h"

namespace ui {

namespace {

Frame& Page(Form& form, std::string name, std::string caption) {
    Frame& page = form.AddFrame(std::move(name), std::move(caption), FrmMain::kPage);
    page.border = false;
    page.SetLook(Look::Title);
    return page;
}

CommandButton& PageButton(Form& form, std::string name, std::string caption, int row) {
    CommandButton& button = form.AddButton(std::move(name), std::move(caption),
                                           {12, FrmMain::kBannerHeight + 12 + row * 44, 160, 36});
    button.SetLook(Look::Nav);
    return button;
}

}  // namespace

FrmMain::FrmMain(FormContext& context) : Form(context, "FrmMain") {
    SetCaption("Anti-Spyware");
    SetSize(kWidth, kHeight);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    bannerHeight = kBannerHeight;

    Label22 = &AddLabel("Label22", "", {20, 14, kWidth - 40, 36});
    Label22->SetLook(Look::Banner);

    cmdStatus = &PageButton(*this, "cmdStatus", "Status", 0);
    cmdScan = &PageButton(*this, "cmdScan", "Scan Now", 1);
    cmdResults = &PageButton(*this, "cmdResults", "Results/Removal", 2);
    cmdSettings = &PageButton(*this, "cmdSettings", "Options", 3);

    frmStatus = &Page(*this, "frmStatus", "Status");
    frmScan = &Page(*this, "frmScan", "Scan");
    frmResults = &Page(*this, "frmResults", "Results");
    frmOptions = &Page(*this, "frmOptions", "Options");

    TabStrip1 =
        &AddTabStrip("TabStrip1", {12, 36, kPage.width - 24, kPage.height - 48}, frmOptions);
    for (const char* tab : {"Protection", "Scanning", "Schedule", "General"}) {
        TabStrip1->AddTab(tab);
    }
    for (int i = 0; i < static_cast<int>(frmView.size()); ++i) {
        frmView[i] = &AddFrame("frmView", "", kTabArea, frmOptions, i);
        frmView[i]->border = false;
        frmView[i]->SetVisible(i == 0);
    }
}

}  // namespace ui
