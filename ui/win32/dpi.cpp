#include "dpi.h"

#include <cmath>
#include <iterator>
#include <string>
#include <string_view>

#include "win_text.h"

namespace zephyrod::win32 {
namespace {

// Bitmap faces of the design and their outline counterparts, alike in look
// and close in widths at the design's DPI. The standard font is asked for by
// its counterpart's name; where the system lacks that, the font mapper picks
// the closest variable-pitch sans-serif (see lfPitchAndFamily).
struct FaceMapping {
    std::string_view bitmap;
    std::wstring_view scalable;
};
constexpr FaceMapping kScalableFaces[] = {
    {design::kStandardFont.family, L"Microsoft Sans Serif"},
    {"Courier", L"Courier New"},
};

// The face asked for a font of the design: the design's own, or where that
// is a bitmap font, which comes in a few sizes only, its outline counterpart,
// which scales to any DPI.
std::wstring ScalableFace(const design::FontDesign& font) {
    for (const FaceMapping& mapping : kScalableFaces) {
        if (font.family == mapping.bitmap) {
            return std::wstring(mapping.scalable);
        }
    }
    return Widen(font.family);
}

// Functions of newer Windows versions, looked up so that the program still
// starts on older ones.
template <class Function>
Function UserFunction(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

FontHolder CreateDesignFont(const design::FontDesign& font, int dpi) {
    LOGFONTW logFont{};
    // Negative: the character height (without internal leading), as points.
    logFont.lfHeight = -static_cast<LONG>(std::lround(font.points * dpi / 72.0));
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    // An outline font where a bitmap one has the same name.
    logFont.lfOutPrecision = OUT_TT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    // Asked for explicitly: where the family is missing, Wine otherwise
    // substitutes a proportional font.
    const bool fixed = font.fixedPitch;
    logFont.lfPitchAndFamily =
        static_cast<BYTE>(fixed ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS));
    const std::wstring face = ScalableFace(font);
    lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    return FontHolder(CreateFontIndirectW(&logFont));
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    const WindowDc screen;
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : design::kDesignDpi;
}

RECT PixelRect(const design::TwipsRect& twips, int dpi) {
    const design::PixelRect pixels = design::Pixels(twips, dpi);
    return RECT{pixels.left, pixels.top, pixels.left + pixels.width, pixels.top + pixels.height};
}

RECT OuterRect(RECT client, DWORD style, DWORD exStyle, bool hasMenu, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = UserFunction<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, style, hasMenu, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, hasMenu, exStyle);
    }
    return client;
}

int SystemMetricForDpi(int index, int dpi) {
    using MetricForDpiFn = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = UserFunction<MetricForDpiFn>("GetSystemMetricsForDpi");
    return metricForDpi != nullptr ? metricForDpi(index, static_cast<UINT>(dpi))
                                   : GetSystemMetrics(index);
}

NONCLIENTMETRICSW NonClientMetricsForDpi(int dpi) {
    using ParametersForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto parametersForDpi =
        UserFunction<ParametersForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi == nullptr || !parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                                                         &metrics, 0, static_cast<UINT>(dpi))) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    }
    return metrics;
}

HFONT FontSet::Get(const design::FontDesign& font) {
    for (const Entry& entry : fonts_) {
        if (entry.font == font) {
            return entry.handle.get();
        }
    }
    fonts_.push_back({font, CreateDesignFont(font, dpi_)});
    return fonts_.back().handle.get();
}

void FontSet::Rescale(int dpi) {
    old_.insert(old_.end(), std::make_move_iterator(fonts_.begin()),
                std::make_move_iterator(fonts_.end()));
    fonts_.clear();
    dpi_ = dpi;
}

void FontSet::DeleteOld() {
    old_.clear();
}

}  // namespace zephyrod::win32
