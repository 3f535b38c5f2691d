// The guard around every COM method the binding implements: the caller is the engine or the
// system, which cannot take a C++ exception, so one thrown inside becomes an error HRESULT.
#pragma once

#include <new>

#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

template <class Body>
HRESULT ComGuard(Body&& body, HRESULT onException = E_FAIL) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return onException;
    }
}

}  // namespace lumbrel::win32
