#pragma once
// Shared harness for page tests: build a panel, run its entry preparation, unpack
// and pack on an image, and check which bits changed against the field catalogue.

#include "image/device_image.h"
#include "image/field_catalogue.h"
#include "ui/interface_texts.h"
#include "ui/pages/page_table.h"
#include "ui/pages/section_panel.h"

#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace zel::test {

inline DeviceImage randomImage(unsigned seed)
{
    DeviceImage img;
    std::mt19937 rng(seed);
    for (int i = 0; i < kImageSize; ++i)
        img.data()[i] = static_cast<std::uint8_t>(rng());
    return img;
}

// Bit mask (one entry per image bit) of the bits that the catalogue gives to `page`.
inline std::vector<bool> pageFieldBits(int page)
{
    std::vector<bool> mask(static_cast<size_t>(kImageSize) * 8, false);
    auto mark = [&](int byteOffset, int low, int count) {
        for (int b = low; b < low + count; ++b)
            mask[static_cast<size_t>(byteOffset) * 8 + b] = true;
    };
    for (const FieldDef& f : fieldCatalogue()) {
        for (int r = 1; r <= f.count; ++r) {
            if (f.pageOfRecord(r) != page)
                continue;
            const int off = f.recordOffset(r);
            switch (f.kind) {
            case FieldKind::Bits:
                mark(off, f.recordBit(r), f.bitCount);
                break;
            case FieldKind::TriState:
                mark(off, f.recordBit(r), 1);
                mark(f.offset2 + (r - 1) * f.stride, f.recordBit(r), 1);
                break;
            default:
                mark(off, 0, f.byteWidth() * 8);
                break;
            }
        }
    }
    return mask;
}

// Fails with the first changed bit that no field of `page` owns.
inline ::testing::AssertionResult onlyPageFieldsChanged(const DeviceImage& before, const DeviceImage& after,
                                                        int page)
{
    const std::vector<bool> mask = pageFieldBits(page);
    for (int i = 0; i < kImageSize; ++i) {
        const std::uint8_t diff = before.byte(i) ^ after.byte(i);
        if (!diff)
            continue;
        for (int b = 0; b < 8; ++b)
            if ((diff >> b) & 1 && !mask[static_cast<size_t>(i) * 8 + b])
                return ::testing::AssertionFailure()
                       << "page " << page << " changed byte " << i << " bit " << b << " outside its fields";
    }
    return ::testing::AssertionSuccess();
}

// Size of the page area of the main window (right of the tree, between tool bar and
// status bar); every page must fit it.
constexpr int kPageAreaWidth = 708;
constexpr int kPageAreaHeight = 490;

// Lists visible widgets that stick out of their parent or overlap a visible sibling
// (only widgets placed by hand are checked; layouts place theirs without overlap).
inline QStringList layoutProblems(QWidget* root)
{
    QStringList problems;
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->isVisibleTo(root) || w->isWindow() || !w->parentWidget())
            continue;
        const QString cls = QString::fromLatin1(w->metaObject()->className());
        // Internal parts of composite widgets are not ours to place.
        if (!w->parentWidget()->inherits("QGroupBox") && !w->parentWidget()->inherits("QFrame")
            && w->parentWidget() != root && !w->parentWidget()->inherits("zel::SectionPanel"))
            continue;
        if (w->objectName().startsWith("qt_"))
            continue;
        const QRect pr = w->parentWidget()->rect();
        if (!pr.contains(w->geometry()))
            problems << QStringLiteral("%1 (%2) outside its parent %3").arg(w->objectName(), cls,
                                                                           w->parentWidget()->objectName());
        for (QWidget* other : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other <= w || !other->isVisibleTo(root) || other->objectName().startsWith("qt_"))
                continue;
            if (w->geometry().intersects(other->geometry()))
                problems << QStringLiteral("%1 overlaps %2").arg(w->objectName(), other->objectName());
        }
    }
    return problems;
}

// Owns a panel for one page, as the main window would show it.
struct PageUnderTest {
    explicit PageUnderTest(int page) : page(page), texts(InterfaceTexts::defaults())
    {
        panel.reset(createPanel(panelForPage(page)));
        panel->setInterfaceTexts(&texts);
        panel->setUpOnce();
        panel->resize(kPageAreaWidth, kPageAreaHeight);
    }
    // Entry: preparation and unpack, as the window does when the page is selected.
    void enter(const DeviceImage& image)
    {
        panel->prepare(page);
        panel->unpack(image, page);
    }
    void leave(DeviceImage& image) { panel->pack(image, page); }
    // Enter and leave without touching a control; returns the packed image.
    DeviceImage roundTrip(const DeviceImage& image)
    {
        DeviceImage out = image;
        enter(out);
        leave(out);
        return out;
    }

    int page;
    InterfaceTexts texts;
    std::unique_ptr<SectionPanel> panel;
};

} // namespace zel::test
