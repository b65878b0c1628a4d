#pragma once

#include "core/device/connections/ble/ble_backend.h"

// The product's backend: Qt Bluetooth, which talks to BlueZ on Linux.
namespace ble {

std::shared_ptr<Backend> makeQtBackend();

}  // namespace ble
