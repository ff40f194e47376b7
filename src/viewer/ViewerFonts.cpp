#include "viewer/ViewerFonts.h"

#include "app/Messages.h"
#include "viewer/ViewerScene.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <map>

namespace tallowby {

namespace {
constexpr int kFirstChar = 32;
constexpr int kCharCount = 96;

// One character as glBitmap wants it: rows bottom-up, bits packed from the most significant.
struct Glyph {
    int width = 0, rows = 0;
    float originX = 0, originY = 0, advance = 0;
    std::vector<uint8_t> bits;
};
using GlyphSet = std::vector<Glyph>;

std::string FindFontFile() {
    if (!FcInit()) return {};
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Georgia:bold"));
    if (!pattern) return {};
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    FcChar8* path = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
        file = reinterpret_cast<const char*>(path);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

Glyph CopyGlyph(const FT_GlyphSlot slot) {
    const FT_Bitmap& bitmap = slot->bitmap;
    Glyph glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.originX = static_cast<float>(-slot->bitmap_left);
    glyph.originY = static_cast<float>(glyph.rows - slot->bitmap_top);
    glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
    const int rowBytes = (glyph.width + 7) / 8;
    glyph.bits.assign(static_cast<size_t>(rowBytes * glyph.rows), 0);
    for (int row = 0; row < glyph.rows; ++row) {
        const uint8_t* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        std::copy(source, source + rowBytes, glyph.bits.begin() + static_cast<ptrdiff_t>((glyph.rows - 1 - row) * rowBytes));
    }
    return glyph;
}

// Pixel size -> its 96 glyphs; empty when no font could be loaded.
const std::map<int, GlyphSet>& Glyphs() {
    static const std::map<int, GlyphSet> glyphs = [] {
        std::map<int, GlyphSet> sets;
        FT_Library library = nullptr;
        if (ViewerFontFile().empty() || FT_Init_FreeType(&library) != 0) return sets;
        FT_Face face = nullptr;
        if (FT_New_Face(library, ViewerFontFile().c_str(), 0, &face) == 0) {
            for (int size : ViewerFontSizes()) {
                if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) continue;
                GlyphSet& set = sets[size];
                for (int c = kFirstChar; c < kFirstChar + kCharCount; ++c) {
                    bool loaded = FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0 &&
                                  face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
                    set.push_back(loaded ? CopyGlyph(face->glyph) : Glyph{});
                }
            }
            FT_Done_Face(face);
        }
        FT_Done_FreeType(library);
        return sets;
    }();
    return glyphs;
}

// Window -> pixel size -> first display list.
std::map<int, std::map<int, unsigned>>& WindowFonts() {
    static std::map<int, std::map<int, unsigned>> fonts;
    return fonts;
}

unsigned CompileLists(const GlyphSet& set) {
    const GLuint base = glGenLists(kCharCount);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < kCharCount; ++i) {
        const Glyph& glyph = set[static_cast<size_t>(i)];
        glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
        glBitmap(glyph.width, glyph.rows, glyph.originX, glyph.originY, glyph.advance, 0,
                 glyph.bits.empty() ? nullptr : glyph.bits.data());
        glEndList();
    }
    return base;
}

std::string Printable(const std::string& text) {
    std::string shown = text;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < kFirstChar || static_cast<unsigned char>(c) > 126) c = '?';
    return shown;
}
}  // namespace

const std::vector<int>& ViewerFontSizes() {
    static const std::vector<int> sizes = {11, 12, 14, 15, 17, 18};
    return sizes;
}

const std::string& ViewerFontFile() {
    static const std::string file = FindFontFile();
    return file;
}

bool BuildFonts() {
    const auto& glyphs = Glyphs();
    if (glyphs.size() != ViewerFontSizes().size()) {
        static bool told = false;
        if (!told) ShowError("No bold serif font was found for the viewer's text (fontconfig \"Georgia:bold\").");
        told = true;
        return false;
    }
    std::map<int, unsigned>& table = WindowFonts()[glutGetWindow()];
    for (const auto& [size, set] : glyphs) table[size] = CompileLists(set);
    Scene().fontListBase = table;
    Scene().fontsReady = true;
    return true;
}

void ForgetWindowFonts(int window) { WindowFonts().erase(window); }

void DrawText(int size, float x, float y, const std::string& text) {
    auto window = WindowFonts().find(glutGetWindow());
    if (window == WindowFonts().end()) return;
    auto font = window->second.find(size);
    if (font == window->second.end() || text.empty()) return;
    const std::string shown = Printable(text);
    glPushAttrib(GL_LIST_BIT | GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0, 0, 0, 0);
    glRasterPos2f(x, y);
    glListBase(font->second - kFirstChar);
    glCallLists(static_cast<GLsizei>(shown.size()), GL_UNSIGNED_BYTE, shown.data());
    glPopAttrib();
}

}  // namespace tallowby
