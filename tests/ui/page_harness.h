#pragma once
// Shared harness for page tests: build a panel, run its entry preparation, unpack
// and pack on an image, and check which bits changed against the field catalogue.

#include "image/device_image.h"
#include "image/field_catalogue.h"
#include "ui/interface_texts.h"
#include "ui/pages/page_table.h"
#include "ui/pages/section_panel.h"

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

// Owns a panel for one page, as the main window would show it.
struct PageUnderTest {
    explicit PageUnderTest(int page) : page(page), texts(InterfaceTexts::defaults())
    {
        panel.reset(createPanel(panelForPage(page)));
        panel->setInterfaceTexts(&texts);
        panel->setUpOnce();
        panel->resize(712, 500);
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
