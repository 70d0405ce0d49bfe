#include "shields/shields.h"

#include "shields/home_page_shield.h"
#include "shields/memory_shield.h"
#include "shields/shield_options.h"

namespace shields {

void AttachShields(core::Application& app) {
    AttachShieldOptions(app);
    AttachHomePageShield(app);
    AttachMemoryShield(app);
}

}  // namespace shields
