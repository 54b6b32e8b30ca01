#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "forms/DrawnTexts.h"
#include "forms/PreviewContent.h"
#include "os/printing/DrawingTarget.h"

namespace forms {

class Form;

// A drawing surface that fills a form's client area and keeps what is drawn
// on it; a long drawing is given to it as content instead, which it draws
// afresh whenever part of it comes into view. It is as tall as its drawing, so it grows downwards as text goes
// below its end and never breaks pages; the form scrolls it vertically with
// a scroll bar and the mouse wheel. Text is in the form's font face, in the
// system colour of button text, on the given background.
class PreviewSurface : public os::DrawingTarget {
public:
    PreviewSurface(Form& form, std::uint32_t backColor);
    ~PreviewSurface() override;
    PreviewSurface(const PreviewSurface&) = delete;
    PreviewSurface& operator=(const PreviewSurface&) = delete;

    // Removes all drawing and the content, scrolls back to the top and moves
    // the position to the top-left corner. The font stays as it was.
    void Clear();
    // Shows a drawing the surface does not keep (in place of any earlier
    // one), drawn band by band as it comes into view through this surface;
    // the surface grows to its height.
    void SetContent(std::unique_ptr<PreviewContent> content);
    // What has been drawn directly, in drawing order.
    const DrawnTexts& Texts() const;
    // What shows with its top from `top` to `bottom` (twips): the texts drawn
    // directly, then the content's, each in drawing order.
    DrawnTexts TextsBetween(std::int64_t top, std::int64_t bottom);
    // The content's tooltip at a point of the drawing (twips), as the view
    // shows it when the mouse rests there; empty for none.
    std::string ToolTipAt(std::int64_t x, std::int64_t y);
    std::string FontName() const;
    // The surface's height in twips: its drawing, and at least the view's.
    std::int32_t SurfaceHeight() const;
    // The height of the part that shows, in twips.
    std::int32_t ViewHeight() const;
    // How far the surface is scrolled, in twips, and how far it can be.
    std::int32_t ScrollTop() const;
    std::int32_t ScrollMax() const;
    void SetScrollTop(std::int32_t twips);

    std::int32_t CurrentX() const override;
    void SetCurrentX(std::int32_t twips) override;
    std::int32_t CurrentY() const override;
    void SetCurrentY(std::int32_t twips) override;
    double FontSize() const override;
    void SetFontSize(double points) override;
    bool FontItalic() const override;
    void SetFontItalic(bool italic) override;
    void Print(const std::string& text) override;
    std::int32_t TextWidth(const std::string& text) override;
    bool MakeRoom(std::int32_t height) override;
    bool NewPage() override { return true; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace forms
