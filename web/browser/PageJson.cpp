#include "web/browser/PageJson.h"

#include "play/Pixels.h"
#include "shell/HelpLayout.h"
#include "shell/TitleLayout.h"

#include <cstdio>
#include <string_view>

namespace zol::web {

namespace {

std::string text(std::string_view value) {
    std::string out = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            out += ' ';
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string colour(const Rgb& c) {
    return "[" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + "]";
}

std::string colour(const std::optional<Rgb>& c) { return c ? colour(*c) : "null"; }

std::string rect(const play::PixelRect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height) + "]";
}

std::string rect(const play::Box& box) { return rect(play::toPixels(box)); }

std::string font(const play::Font& f, bool underline = false) {
    return "{\"family\":" + text(f.family) + ",\"points\":" + number(f.points) +
           ",\"bold\":" + (f.bold ? "true" : "false") + ",\"italic\":" + (f.italic ? "true" : "false") +
           ",\"underline\":" + (underline ? "true" : "false") + "}";
}

std::string screen(const char* caption, float widthTw, float heightTw, const Rgb& back) {
    return "\"caption\":" + text(caption) + ",\"size\":[" + std::to_string(play::toPixels(widthTw)) + "," +
           std::to_string(play::toPixels(heightTw)) + "],\"back\":" + colour(back);
}

std::string titleButton(const char* name, const title::TitleButton& b) {
    return "{\"name\":" + text(name) + ",\"rect\":" + rect(b.box) + ",\"caption\":" + text(b.caption) +
           ",\"font\":" + font(b.font, b.underline) + "}";
}

} // namespace

std::string layoutJson() {
    std::string lines;
    for (const title::TitleLabel& l : title::kTitleLines) {
        if (!lines.empty()) lines += ",";
        lines += "{\"rect\":" + rect(l.box) + ",\"caption\":" + text(l.caption) + ",\"font\":" + font(l.font, l.underline) +
                 ",\"colour\":" + (l.systemTextColour ? std::string("null") : colour(l.textColour)) + "}";
    }
    const std::string titleJson = "{" + screen(title::kCaption, title::kClientWidthTw, title::kClientHeightTw,
                                               title::kBackColor) +
                                  ",\"lines\":[" + lines + "],\"buttons\":[" +
                                  titleButton("play", title::kPlayButton) + "," +
                                  titleButton("help", title::kHelpButton) + "," + titleButton("end", title::kEndButton) +
                                  "]}";
    const std::string helpJson =
        "{" + screen(help::kCaption, help::kClientWidthTw, help::kClientHeightTw, help::kBackColor) +
        ",\"document\":{\"rect\":" + rect(help::kDocumentBox) + ",\"font\":" + font(help::kDocumentFont) +
        "},\"buttons\":[{\"name\":\"back\",\"rect\":" + rect(help::kBackButton) +
        ",\"caption\":" + text(help::kBackButtonCaption) + ",\"font\":" + font(help::kBackButtonFont, true) +
        "}],\"icon\":" + rect(help::kIconBox) + "}";
    const std::string playJson =
        "{" + screen(play::kCaption, play::kClientWidthTw, play::kClientHeightTw, play::kBackColor) + "}";
    return "[" + titleJson + "," + playJson + "," + helpJson + "]";
}

std::string sceneJson(const std::vector<play::SceneItem>& scene) {
    static constexpr const char* kKinds[] = {"label", "meteorite", "walker"};
    std::string out = "[";
    for (const play::SceneItem& item : scene) {
        if (out.size() > 1) out += ",";
        out += "{\"kind\":\"" + std::string(kKinds[static_cast<int>(item.kind)]) + "\",\"rect\":" + rect(item.rect);
        if (item.look) {
            out += ",\"caption\":" + text(item.caption) + ",\"font\":" + font(item.look->font) +
                   ",\"back\":" + colour(item.look->back) + ",\"colour\":" + colour(item.look->text) +
                   ",\"centre\":" + (item.look->align == play::Align::Centre ? "true" : "false");
        }
        if (item.kind == play::SceneItem::Kind::Walker) out += ",\"frame\":" + std::to_string(item.walkerFrame);
        out += "}";
    }
    return out + "]";
}

std::string strokesJson(const std::vector<play::Stroke>& strokes) {
    std::string out = "[";
    for (const play::Stroke& s : strokes) {
        if (out.size() > 1) out += ",";
        out += std::string("[") + (s.isCircle ? "1" : "0") + "," + number(s.x1) + "," + number(s.y1) + "," +
               number(s.x2) + "," + number(s.y2) + "," + std::to_string(s.colour.r) + "," +
               std::to_string(s.colour.g) + "," + std::to_string(s.colour.b) + "]";
    }
    return out + "]";
}

} // namespace zol::web
