#pragma once

#include "skin/hover_regions.h"
#include "texts/main_window_texts.h"

#include <QPoint>
#include <string_view>
#include <vector>

namespace q417 {

// Ids of the pages' hover elements start here; lower ids belong to the window's frame.
inline constexpr int kFirstPageElement = 100;

// One page of the main window. The window draws the frame (background, title, frame buttons) and
// hosts one page at a time: the page draws the rest onto the window's canvas, owns the child
// controls it shows (lists and value fields), resolves the clicks the frame did not take, and draws
// the hover looks of its own elements.
class Page {
public:
    virtual ~Page() = default;

    // The page's background image and title.
    [[nodiscard]] virtual std::string_view background() const = 0;
    [[nodiscard]] virtual TextId title() const = 0;

    // Draws everything of the page over the frame from the record, and creates the child controls
    // that do not exist yet.
    virtual void build() = 0;
    // Destroys the page's child controls (the page is being left) and forgets its open lists.
    virtual void destroyControls() = 0;

    // Before a click is resolved: closes the lists that the click is not for.
    virtual void closeListsFor(QPoint point) = 0;
    // A left click the frame did not end. False when it hit none of the page's regions.
    virtual bool click(QPoint point) = 0;

    // The page's hover-sensitive elements in hover order, ids from kFirstPageElement.
    [[nodiscard]] virtual std::vector<HoverElement> hoverElements() const = 0;
    virtual void drawLook(int element, bool lit) = 0;
};

} // namespace q417
