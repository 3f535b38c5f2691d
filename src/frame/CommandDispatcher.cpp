#include "frame/CommandDispatcher.h"

namespace lumbrel {

void CommandDispatcher::Add(int id, Handler handler, Update update) {
    AddRange(id, id, std::move(handler), std::move(update));
}

void CommandDispatcher::AddRange(int first, int last, Handler handler, Update update) {
    entries_[first] = Entry{last, std::move(handler), std::move(update)};
}

const CommandDispatcher::Entry* CommandDispatcher::Find(int id) const {
    auto it = entries_.upper_bound(id);
    if (it == entries_.begin())
        return nullptr;
    --it;
    return id <= it->second.last ? &it->second : nullptr;
}

bool CommandDispatcher::Knows(int id) const {
    return Find(id) != nullptr;
}

bool CommandDispatcher::Run(int id) const {
    const Entry* entry = Find(id);
    if (!entry || (entry->update && !entry->update(id).enabled))
        return false;
    entry->handler(id);
    return true;
}

CommandState CommandDispatcher::State(int id) const {
    const Entry* entry = Find(id);
    if (!entry)
        return CommandState{false, false};
    return entry->update ? entry->update(id) : CommandState{};
}

}  // namespace lumbrel
