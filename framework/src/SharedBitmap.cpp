#include "SharedBitmap.h"

#include "Module.h"

#include <map>
#include <mutex>
#include <utility>

namespace {
using PictureKey = std::pair<HINSTANCE, UINT>;

// The pictures loaded now, by resource module and id. An entry lives as long as a holder of
// its picture does: the last holder's release deletes the picture and removes the entry.
class PictureCache {
public:
    std::shared_ptr<const CBitmap> Find(const PictureKey& key) {
        std::lock_guard<std::mutex> hold(m_lock);
        auto found = m_pictures.find(key);
        return found == m_pictures.end() ? nullptr : found->second.lock();
    }

    // Keeps picture as the one of key unless another holder put one there first; returns the
    // one that stands.
    std::shared_ptr<const CBitmap> Add(const PictureKey& key,
                                       std::shared_ptr<const CBitmap> picture) {
        std::lock_guard<std::mutex> hold(m_lock);
        std::weak_ptr<const CBitmap>& slot = m_pictures[key];
        if (std::shared_ptr<const CBitmap> standing = slot.lock())
            return standing;
        slot = picture;
        return picture;
    }

    void Forget(const PictureKey& key) {
        std::lock_guard<std::mutex> hold(m_lock);
        auto found = m_pictures.find(key);
        if (found != m_pictures.end() && found->second.expired())
            m_pictures.erase(found);
    }

    size_t Count() {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_pictures.size();
    }

private:
    std::mutex m_lock;
    std::map<PictureKey, std::weak_ptr<const CBitmap>> m_pictures;
};

PictureCache& Cache() {
    static PictureCache cache;
    return cache;
}

// Deletes a cached picture and its entry when its last holder lets it go.
struct ForgetPicture {
    PictureKey key;
    void operator()(const CBitmap* picture) const {
        Cache().Forget(key);
        delete picture;
    }
};
} // namespace

CSharedBitmap::CSharedBitmap(HBITMAP owned)
    : m_bitmap(owned ? std::make_shared<const CBitmap>(owned) : nullptr) {}

CSharedBitmap::~CSharedBitmap() = default;
CSharedBitmap::CSharedBitmap(const CSharedBitmap& other) = default;
CSharedBitmap& CSharedBitmap::operator=(const CSharedBitmap& other) = default;
CSharedBitmap::CSharedBitmap(CSharedBitmap&& other) noexcept = default;
CSharedBitmap& CSharedBitmap::operator=(CSharedBitmap&& other) noexcept = default;

bool CSharedBitmap::Load(UINT id) {
    PictureKey key{AfxGetResourceHandle(), id};
    std::shared_ptr<const CBitmap> picture = Cache().Find(key);
    if (!picture) {
        CBitmap loaded;
        if (loaded.LoadBitmap(id))
            picture = Cache().Add(key, std::shared_ptr<const CBitmap>(
                                           new CBitmap(std::move(loaded)), ForgetPicture{key}));
    }
    // The picture held before goes only now, outside the cache's lock.
    m_bitmap = std::move(picture);
    return IsValid();
}

void CSharedBitmap::Release() {
    m_bitmap.reset();
}

HBITMAP CSharedBitmap::Get() const {
    return m_bitmap ? m_bitmap->Get() : nullptr;
}

size_t CSharedBitmap::LoadedCount() {
    return Cache().Count();
}
