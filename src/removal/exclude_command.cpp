#include "removal/exclude_command.h"

#include "base/text.h"
#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "scan/finding_lists.h"

namespace removal {

void cmdExclude_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    platform::Dialogs& dialogs = app.ports.dialogs;
    ui::ListView& removal = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    // 1.
    if (removal.ItemCount() == 0 && main.lvwRegistryToBeDeleted->ItemCount() == 0 &&
        main.lvwSpywareFound->ItemCount() == 0) {
        dialogs.ShowMessage(app.Message("MSG_SORRY"), app.branding.ProgramName,
                            platform::MessageButtons::Ok, platform::MessageIcon::Information);
        return;
    }
    // 2.
    const std::string question = app.Message("MSG_EXC_SURE1") + "\r\n\r\n" +
                                 app.Message("MSG_EXC_SURE2") + "\r\n\r\n" +
                                 app.Message("MSG_EXC_SURE3");
    if (dialogs.ShowMessage(question, app.Message("MSG_EXC_SURE4"), platform::MessageButtons::YesNo,
                            platform::MessageIcon::Question) != platform::MessageAnswer::Yes) {
        return;
    }
    // 3.: both identities of a finding, its location and its name.
    for (int row = 0; row < removal.ItemCount(); ++row) {
        const ui::ListItem& item = removal.Item(row);
        if (!item.checked) {
            continue;
        }
        app.exclusions.AddExclusion(app.ports.fileSystem, app.ports.textCodec, app.ports.eventLoop,
                                    app.DataFolder, item.SubItem(1));
        app.exclusions.AddExclusion(app.ports.fileSystem, app.ports.textCodec, app.ports.eventLoop,
                                    app.DataFolder, base::ReplaceAll(item.text, "Cookie: ", ""));
    }
    // 4.
    scan::RemoveCheckedRows(*main.lvwFilesToBeDeleted);
    scan::RemoveCheckedRows(*main.lvwRegistryToBeDeleted);
    scan::RemoveCheckedRows(*main.lvwSpywareFound);
    scan::RemoveCheckedRows(*main.lvwCookiesToDelete);
    main.lblDeletingCaption->SetCaption("");
    scan::RemoveCheckedRows(removal);
}

void ViewExclusions(core::Application& app) {
    const std::string path = definitions::DataFile(app.DataFolder, definitions::kExclusions);
    if (core::FileExists(app.ports.fileSystem, path)) {
        [[maybe_unused]] const bool started =
            app.ports.shell.StartCommandLine("notepad " + path, platform::WindowShow::Normal);
        return;
    }
    app.ports.dialogs.ShowMessage(app.Message("MSG_EXCLUDE1"), app.Message("MSG_EXCLUDE2"),
                                  platform::MessageButtons::Ok, platform::MessageIcon::None);
}

void AttachExcludeCommand(core::Application& app) {
    app.frmMain.cmdExclude->onClick = [&app] {
        cmdExclude_Click(app);
    };
    app.frmMain.mnuQuarItem[1]->onClick = [&app] {
        ViewExclusions(app);
    };
}

}  // namespace removal
