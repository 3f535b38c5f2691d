#include "filter/UrlFilter.h"

#include <utility>

#include "filter/FilterListFile.h"

namespace lumbrel {

UrlFilter::UrlFilter(const UrlFilterPorts& ports, std::string path)
    : cp_(ports.cp),
      session_(ports.session),
      path_(std::move(path)),
      lists_(ports.cp),
      requests_(ports.cp, lists_, ports.host),
      writer_(ports.fs, ports.tasks, path_) {}

UrlFilter::~UrlFilter() {
    // The handler asks the lists on the engine's requests: it must not outlive them.
    session_.Unregister();
}

void UrlFilter::LoadFilterLists(PrivateProfile& store) {
    lists_.Assign(FilterListFile::Read(store, cp_, path_));
    RegisterFilterHandler();
}

void UrlFilter::SaveFilterLists() {
    writer_.Save(lists_.Copy());
}

void UrlFilter::Exit() {
    writer_.WaitIdle();
    UnregisterFilterHandler();
}

void UrlFilter::ApplySettings(const RequestFilterSettings& settings) {
    requests_.SetSettings(settings);
    RegisterFilterHandler();
}

void UrlFilter::RegisterFilterHandler() {
    if (!requests_.NeedsHandler())
        UnregisterFilterHandler();
    else
        session_.Register();
}

void UrlFilter::UnregisterFilterHandler() {
    session_.Unregister();
}

bool UrlFilter::AddToPopFilter(const std::string& entry) {
    if (!lists_.AddToPopFilter(entry))
        return false;
    SaveFilterLists();
    return true;
}

bool UrlFilter::AddToUrlFilter(const std::string& entry) {
    if (!lists_.AddToUrlFilter(entry))
        return false;
    SaveFilterLists();
    return true;
}

}  // namespace lumbrel
