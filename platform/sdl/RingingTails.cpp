#include "platform/sdl/RingingTails.h"

#include "platform/sdl/SampleMath.h"

#include <algorithm>

namespace zol {

void RingingTails::ringOut(SongRef song, SongOutbox& outbox) {
    const auto* rendering = song->rendering();
    add({std::move(song), rendering->roundFrames, rendering->frames(), -1}, outbox);
}

void RingingTails::fadeOut(SongRef song, std::int64_t frame, SongOutbox& outbox) {
    for (auto& tail : tails_) {
        if (tail.song && tail.fadeLeft < 0) tail.fadeLeft = fadeFrames_;
    }
    const auto end = song->rendering()->frames();
    add({std::move(song), frame, end, fadeFrames_}, outbox);
}

bool RingingTails::any() const {
    return std::any_of(tails_.begin(), tails_.end(), [](const Tail& tail) { return tail.song != nullptr; });
}

// A new tail takes a free place, or else the place of the tail nearest
// its end.
void RingingTails::add(Tail tail, SongOutbox& outbox) {
    auto* place = &tails_.front();
    for (auto& candidate : tails_) {
        if (!candidate.song) {
            place = &candidate;
            break;
        }
        if (candidate.end - candidate.at < place->end - place->at) place = &candidate;
    }
    outbox.put(std::move(place->song));
    *place = std::move(tail);
}

void RingingTails::addTo(std::int16_t* frames, int count, SongOutbox& outbox) {
    for (auto& tail : tails_) {
        if (!tail.song) continue;
        const std::int16_t* source = tail.song->rendering()->samples.data();
        for (int i = 0; i < count && tail.at < tail.end && tail.fadeLeft != 0; ++i, ++tail.at) {
            double gain = 1.0;
            if (tail.fadeLeft > 0) gain = static_cast<double>(tail.fadeLeft--) / static_cast<double>(fadeFrames_);
            addSaturating(frames[2 * i], static_cast<std::int32_t>(std::lround(source[2 * tail.at] * gain)));
            addSaturating(frames[2 * i + 1], static_cast<std::int32_t>(std::lround(source[2 * tail.at + 1] * gain)));
        }
        if (tail.at >= tail.end || tail.fadeLeft == 0) {
            outbox.put(std::move(tail.song));
            tail = Tail{};
        }
    }
}

} // namespace zol
