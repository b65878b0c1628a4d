#pragma once

// Qt key codes to Windows virtual keys, the key vocabulary of the platform
// layer. Keys without a virtual key give 0.
namespace VirtualKeys {

unsigned fromQtKey(int qtKey);

// Qt modifier bits (Qt::ShiftModifier ...) to MOD_* bits.
unsigned modifiersFromQt(int qtModifiers);

}  // namespace VirtualKeys
