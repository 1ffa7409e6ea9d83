#pragma once
#include <QString>

struct Services;

// Which step comes first when an activity opens: writing ActivityCode or showing the window.
// Each menu item and picture-menu zone keeps the order it has always used.
enum class OpenFirst { Code, Window };

void openActivity(Services& services, const QString& window, int code, OpenFirst first);
