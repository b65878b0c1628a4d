#pragma once

#include <QIcon>

// Talkvane's own icon, for the window and the notification area: the same
// picture the desktop shows in its menus.
QIcon appIcon();
