#include "app/drive_list.h"

#include "base/text.h"
#include "core/application.h"

namespace app {

void FillDriveList(core::Application& app) {
    ui::ListView& list = *app.frmMain.lvwHardDrives;
    list.Clear();
    for (const platform::DriveInfo& drive : app.ports.fileSystem.ListDrives()) {
        bool listed = false;
        switch (drive.type) {
            case platform::DriveType::Removable:
            case platform::DriveType::Network:
            case platform::DriveType::CdRom:
                listed = true;
                break;
            case platform::DriveType::Fixed:
                listed = drive.ready;
                break;
            case platform::DriveType::Unknown:
            case platform::DriveType::NoRootDirectory:
            case platform::DriveType::RamDisk:
                break;
        }
        if (listed) {
            list.AddItem(std::string(1, drive.letter));
        }
    }
}

void AttachDriveList(core::Application& app) {
    // Every change stores the marks of all the drives, in list order.
    app.frmMain.lvwHardDrives->onItemCheck = [&app](int) {
        const ui::ListView& list = *app.frmMain.lvwHardDrives;
        for (int row = 0; row < list.ItemCount(); ++row) {
            app.WriteUserSetting("Drives", list.Item(row).text,
                                 base::BoolToText(list.Item(row).checked));
        }
    };
}

}  // namespace app
