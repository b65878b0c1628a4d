#pragma once

#include <QString>

class MouseDevice;

// The mouse's per-button key modes (1: short-click mode, the button waits to
// tell a click from a hold; 0: long-press mode, a hold starts at once).
namespace KeyModes {

// The button named by its short-click setting key: "tks" (129), "vks" (130)
// or "aas" (131). Other keys change nothing.
void setForButton(MouseDevice *device, const QString &shortKey, int mode);

struct ShortActions {
    QString vks;
    QString tks;
    QString aas;
};

// The modes a newly reported model starts with: on "PX08" each button is in
// short-click mode when it has a short-click action; the models whose first
// and third buttons swap always click on those two; others only on the third
// button, when it has an action.
void applyForModel(MouseDevice *device, const ShortActions &actions);

}  // namespace KeyModes
