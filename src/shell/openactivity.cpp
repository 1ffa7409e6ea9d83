#include "shell/openactivity.h"
#include "core/forms.h"
#include "core/services.h"
#include "core/sharedstate.h"

void openActivity(Services& services, const QString& window, int code, OpenFirst first) {
    if (first == OpenFirst::Code) services.state.setActivityCode(code);
    services.forms.show(window);
    if (first == OpenFirst::Window) services.state.setActivityCode(code);
}
