#include "submit/send_data_consent.h"

#include <string>

#include "core/application.h"

namespace submit {

void chkSendData_UserChange(core::Application& app) {
    ui::CheckBox& box = *app.frmMain.chkSendData;
    if (box.Value() == 0) {
        const std::string text = app.Message("MSG_ANON1") + "\r\n\r\n" + app.Message("MSG_ANON2") +
                                 "\r\n\r\n" + app.Message("MSG_ANON3");
        const platform::MessageAnswer answer = app.ports.dialogs.ShowMessage(
            text, app.Message("MSG_ANON4"), platform::MessageButtons::YesNo,
            platform::MessageIcon::None);
        if (answer == platform::MessageAnswer::No) {
            box.SetValue(1);
            app.WriteUserSetting("OptionAndSettings", "chkSendData", "1");
            return;
        }
    }
    app.WriteUserSetting("OptionAndSettings", "chkSendData", std::to_string(box.Value()));
}

}  // namespace submit
