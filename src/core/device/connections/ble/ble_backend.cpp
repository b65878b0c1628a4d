#include "ble_backend.h"

#include "ble_backend_qt.h"

#include <utility>

namespace ble {

namespace {
std::shared_ptr<Backend> &replaced()
{
    static std::shared_ptr<Backend> backend;
    return backend;
}
}  // namespace

std::shared_ptr<Backend> backend()
{
    if (replaced())
        return replaced();
    static const std::shared_ptr<Backend> qt = makeQtBackend();
    return qt;
}

void overrideBackend(std::shared_ptr<Backend> replacement)
{
    replaced() = std::move(replacement);
}

}  // namespace ble
