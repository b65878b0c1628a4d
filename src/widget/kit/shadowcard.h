#pragma once

class QWidget;

// The floating cards (result window, language list) draw their content on a
// body with a soft drop shadow inside their translucent window. Lays that
// body out over the whole window and returns it.
QWidget *addShadowedBody(QWidget *window);
