#pragma once
// What was read from a file or folder, kept with the stamp the file had before it was read:
// it is served again only while the file still has that very stamp. The least recently used
// entry goes when the cache is full.
#include <cstddef>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/file_stamp.h"

namespace vt {

template <class Value>
class StampCache {
  public:
    explicit StampCache(std::size_t capacity) : capacity_(capacity) {}
    // The index points into the list: a copy would point into another cache's list.
    StampCache(const StampCache&) = delete;
    StampCache& operator=(const StampCache&) = delete;

    // The value kept for `key` when it was read from the file in the state `stamp` tells;
    // null otherwise (an entry of another state is dropped).
    std::shared_ptr<const Value> Find(const std::string& key, const FileStamp& stamp) {
        const auto found = index_.find(key);
        if (found == index_.end()) return nullptr;
        if (!(found->second->stamp == stamp)) {
            order_.erase(found->second);
            index_.erase(found);
            return nullptr;
        }
        order_.splice(order_.begin(), order_, found->second);
        return found->second->value;
    }

    // The entry kept for `key` and the stamp it was kept with, whatever the file's state now,
    // for a caller that checks the stamp of another file than the key names.
    struct Kept {
        FileStamp stamp;
        std::shared_ptr<const Value> value;
    };
    std::optional<Kept> Peek(const std::string& key) {
        const auto found = index_.find(key);
        if (found == index_.end()) return std::nullopt;
        order_.splice(order_.begin(), order_, found->second);
        return Kept{found->second->stamp, found->second->value};
    }

    // Keep what was read from the file in the state `stamp` tells (taken before the read, so
    // that a change during the read is seen next time).
    std::shared_ptr<const Value> Keep(const std::string& key, const FileStamp& stamp, Value value) {
        if (const auto found = index_.find(key); found != index_.end()) {
            order_.erase(found->second);
            index_.erase(found);
        }
        order_.push_front({key, stamp, std::make_shared<const Value>(std::move(value))});
        index_[key] = order_.begin();
        if (order_.size() > capacity_) {
            index_.erase(order_.back().key);
            order_.pop_back();
        }
        return order_.front().value;
    }

    std::size_t size() const { return order_.size(); }

  private:
    struct Entry {
        std::string key;
        FileStamp stamp;
        std::shared_ptr<const Value> value;
    };
    std::size_t capacity_;
    std::list<Entry> order_;  // most recently used first
    std::unordered_map<std::string, typename std::list<Entry>::iterator> index_;
};

}  // namespace vt
