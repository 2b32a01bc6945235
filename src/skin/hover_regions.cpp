#include "skin/hover_regions.h"

#include <algorithm>
#include <utility>

namespace q417 {

void HoverRegions::setElements(std::vector<HoverElement> elements) {
    elements_ = std::move(elements);
    std::erase_if(lit_, [this](int id) {
        return std::none_of(elements_.begin(), elements_.end(), [id](const HoverElement& e) { return e.id == id; });
    });
}

const HoverElement* HoverRegions::elementAt(int x, int y) const {
    for (const HoverElement& element : elements_) {
        if (element.rect.contains(x, y)) {
            return &element;
        }
    }
    return nullptr;
}

HoverRegions::Change HoverRegions::pointerMoved(int x, int y) {
    Change change;
    if (elementAt(x, y) != nullptr) {
        change.wantsHover = true;
        return change;
    }
    change.restored = std::exchange(lit_, {});
    return change;
}

HoverRegions::Change HoverRegions::hoverAt(int x, int y) {
    Change change;
    const HoverElement* element = elementAt(x, y);
    if (element == nullptr) {
        return change;
    }
    change.lit = element->id;
    if (element->partnerGroup != 0) {
        for (const HoverElement& other : elements_) {
            if (other.id != element->id && other.partnerGroup == element->partnerGroup && isLit(other.id)) {
                change.restored.push_back(other.id);
                std::erase(lit_, other.id);
            }
        }
    }
    if (!isLit(element->id)) {
        lit_.push_back(element->id);
    }
    return change;
}

std::vector<int> HoverRegions::overlapping(int id) const {
    std::vector<bool> in(elements_.size(), false);
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        in[i] = elements_[i].id == id;
    }
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            for (std::size_t j = 0; j < elements_.size() && !in[i]; ++j) {
                if (in[j] && elements_[i].rect.overlaps(elements_[j].rect)) {
                    in[i] = grew = true;
                }
            }
        }
    }
    std::vector<int> ids;
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        if (in[i]) {
            ids.push_back(elements_[i].id);
        }
    }
    return ids;
}

bool HoverRegions::isLit(int id) const {
    return std::find(lit_.begin(), lit_.end(), id) != lit_.end();
}

} // namespace q417
