#pragma once

#include <QString>

class MainWindow;

namespace WebPagesLoader {

// Loads the web-pages module (beside the executable first, then wherever the
// system keeps libraries) and gives the main window its AI window and pages.
// Without the module Talkvane runs on with placeholders; the reason is logged.
bool attach(MainWindow &window, const QString &language);

} // namespace WebPagesLoader
