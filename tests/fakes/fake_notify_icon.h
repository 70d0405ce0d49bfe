#pragma once

#include <string>

#include "platform/notify_icon.h"

namespace fakes {

// A notification-area icon that records what it shows; a test plays the
// user's mouse over it with Send.
class FakeNotifyIcon : public platform::NotifyIcon {
public:
    bool Add(std::string_view iconResource, std::string_view toolTip) override {
        ++adds;
        if (refuse) {
            return false;
        }
        shown = true;
        icon = iconResource;
        tip = toolTip;
        return true;
    }

    bool Modify(std::string_view toolTip) override {
        ++modifies;
        if (refuse || !shown) {
            return false;
        }
        tip = toolTip;
        return true;
    }

    bool Remove() override {
        ++removes;
        if (refuse || !shown) {
            return false;
        }
        shown = false;
        return true;
    }

    void Send(int mouseMessage) {
        if (onMouseMessage) {
            onMouseMessage(mouseMessage);
        }
    }

    bool shown = false;
    std::string icon;
    std::string tip;  // as given, not cut
    int adds = 0;
    int modifies = 0;
    int removes = 0;
    bool refuse = false;  // every call fails and changes nothing
};

}  // namespace fakes
