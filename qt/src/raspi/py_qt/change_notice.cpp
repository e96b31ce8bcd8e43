#include "change_notice.h"

#include <functional>
#include <mutex>
#include <unordered_set>

namespace detail {
namespace {

struct NoticeKeyHash
{
    size_t operator()(const NoticeKey &key) const
    {
        size_t hash = std::hash<const void *>()(key.object);
        for (unsigned char byte : key.signal)
            hash = hash * 131 + byte;
        return hash;
    }
};

struct WaitingNotices
{
    std::mutex lock;
    std::unordered_set<NoticeKey, NoticeKeyHash> keys;
};

// Never destroyed: the state objects drop their queued calls when they are
// destroyed at exit, after every other static object.
WaitingNotices &waiting()
{
    static WaitingNotices *notices = new WaitingNotices;
    return *notices;
}

} // namespace

bool claimNotice(const NoticeKey &key)
{
    WaitingNotices &notices = waiting();
    std::lock_guard<std::mutex> guard(notices.lock);
    return notices.keys.insert(key).second;
}

void releaseNotice(const NoticeKey &key)
{
    WaitingNotices &notices = waiting();
    std::lock_guard<std::mutex> guard(notices.lock);
    notices.keys.erase(key);
}

} // namespace detail
