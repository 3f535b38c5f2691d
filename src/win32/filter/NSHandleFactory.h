// The class object of the namespace handler: the COM module registers it for the process at
// start-up, and the URL filter later obtains it to register the handler with the engine's
// session. Every handler it creates shares its context, so a filter set on the context
// reaches handlers created before and after.
#pragma once

#include <atomic>
#include <memory>

#include "win32/filter/LumbrelNSHandle.h"
#include "win32/platform/WinApi.h"

namespace lumbrel::win32 {

// {7188BF3B-F152-4267-BF40-5950ED242E5B}, the class of the registry script.
inline constexpr CLSID kLumbrelNSHandleClsid = {
    0x7188BF3B, 0xF152, 0x4267, {0xBF, 0x40, 0x59, 0x50, 0xED, 0x24, 0x2E, 0x5B}};

// COM interfaces have no virtual destructor by design: an object deletes itself in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class NSHandleFactory final : public IClassFactory {
public:
    // Created with one reference, owned by the caller.
    explicit NSHandleFactory(std::shared_ptr<NSHandleContext> context);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Aggregation is accepted when the aggregator asks for IUnknown, as COM requires.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~NSHandleFactory() = default;
    NSHandleFactory(const NSHandleFactory&) = delete;
    NSHandleFactory& operator=(const NSHandleFactory&) = delete;

    std::atomic<ULONG> references_{1};
    std::shared_ptr<NSHandleContext> context_;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace lumbrel::win32
