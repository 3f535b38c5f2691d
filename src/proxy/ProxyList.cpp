#include "proxy/ProxyList.h"

#include <cstdlib>

#include "base/ProfileDocument.h"

namespace lumbrel {
namespace {

std::string SectionName(size_t index) {
    return index == 0 ? std::string("Proxy") : "Proxy" + std::to_string(index);
}

bool SameNoCase(std::string_view a, std::string_view b) {
    return NoCaseEqual{}(a, b);
}

// The store refuses values with line breaks; no proxy value needs one.
std::string OneLine(std::string_view text) {
    std::string line;
    for (char c : text)
        if (c != '\r' && c != '\n')
            line += c;
    return line;
}

}  // namespace

int ProxySpeed(int stored) {
    return stored >= 0 && stored <= 5 ? stored : kDefaultProxySpeed;
}

void ProxyList::Assign(std::vector<ProxyCategory> categories) {
    categories_ = std::move(categories);
    ResetMenuIndexes();
}

ProxyCategory* ProxyList::FirstOfKind(ProxyKind kind) {
    for (ProxyCategory& category : categories_)
        if (category.Kind() == kind)
            return &category;
    return nullptr;
}

const ProxyCategory* ProxyList::FirstOfKind(ProxyKind kind) const {
    return const_cast<ProxyList*>(this)->FirstOfKind(kind);
}

const ProxyCategory* ProxyList::CategoryHolding(const std::string& address,
                                                const std::string& alias) const {
    const ProxyCategory* byAddress = nullptr;
    for (const ProxyCategory& category : categories_) {
        if (category.Kind() != ProxyKind::Server)
            continue;
        for (const ProxyEntry& entry : category.entries) {
            if (entry.IsSeparator() || !SameNoCase(entry.address, address))
                continue;
            if (SameNoCase(entry.alias, alias))
                return &category;
            if (!byAddress)
                byAddress = &category;
        }
    }
    return byAddress;
}

void ProxyList::ResetMenuIndexes() {
    for (ProxyCategory& category : categories_)
        for (ProxyEntry& entry : category.entries)
            entry.menuIndex = -1;
}

void ProxyList::Load(PrivateProfile& profile, const std::string& file,
                     const std::string& defaultBypass, const DefaultCategoryNames& names) {
    categories_.clear();
    for (size_t index = 0;; ++index) {
        NoCaseMap<std::string> values;
        for (ProfileEntry& entry : profile.GetSection(file, SectionName(index)))
            values.try_emplace(entry.key, std::move(entry.value));
        const auto name = values.find("CategoryName");
        if (name == values.end())
            break;
        auto text = [&values](const std::string& key) -> const std::string* {
            const auto found = values.find(key);
            return found == values.end() ? nullptr : &found->second;
        };
        auto number = [&text](const std::string& key, int def) {
            const std::string* value = text(key);
            return value && !value->empty() ? std::atoi(value->c_str()) : def;
        };
        ProxyCategory category;
        category.name = name->second;
        const std::string* bypass = text("ProxyByPass");
        category.bypass = bypass ? *bypass : defaultBypass;
        category.type = number("ProxyType", 0);
        category.translation = number("Translation", 0);
        for (int n = 1;; ++n) {
            const std::string* address = text("proxy" + std::to_string(n));
            if (!address || address->empty())
                break;
            ProxyEntry entry;
            entry.address = *address;
            if (const std::string* alias = text("alias" + std::to_string(n)))
                entry.alias = *alias;
            entry.speed = ProxySpeed(number("speed" + std::to_string(n), kDefaultProxySpeed));
            category.entries.push_back(std::move(entry));
        }
        categories_.push_back(std::move(category));
    }
    AddMissingKinds(names);
}

void ProxyList::AddMissingKinds(const DefaultCategoryNames& names) {
    if (!FirstOfKind(ProxyKind::Web))
        categories_.push_back({.name = names.web, .type = 1});
    if (!FirstOfKind(ProxyKind::Translation))
        categories_.push_back({.name = names.translation, .type = 1, .translation = 1});
    if (!FirstOfKind(ProxyKind::Server))
        categories_.push_back({.bypass = "<local>", .name = names.server});
}

std::string ProxyList::FileText() const {
    ProfileDocument document;
    for (size_t index = 0; index < categories_.size(); ++index) {
        const ProxyCategory& category = categories_[index];
        const std::string section = SectionName(index);
        document.Set(section, "CategoryName", OneLine(category.name));
        int n = 0;
        for (const ProxyEntry& entry : category.entries) {
            // An empty address would end the list for the next load.
            std::string address = OneLine(entry.address);
            if (address.empty() && entry.IsSeparator())
                address = "--";
            if (address.empty())
                continue;
            const std::string number = std::to_string(++n);
            document.Set(section, "proxy" + number, address);
            document.Set(section, "alias" + number, OneLine(entry.alias));
            document.Set(section, "speed" + number, std::to_string(ProxySpeed(entry.speed)));
        }
        document.Set(section, "ProxyByPass", OneLine(category.bypass));
        document.Set(section, "ProxyType", std::to_string(category.type));
        document.Set(section, "Translation", std::to_string(category.translation));
    }
    return document.Serialize();
}

}  // namespace lumbrel
