#pragma once

#include "platform/sdl/JobThread.h"
#include "platform/sdl/TuneFileCache.h"
#include "platform/sdl/TunePlayer.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace zol {

class GmSynth;

// The tune's side of the sound device. A tune plays live on FluidSynth
// until a low-priority thread has rendered it ahead; from then on the music
// hook only copies it out of memory, and the synthesizer is freed until a
// tune without a rendering needs it again. The file is still read anew at
// every open: a changed file is a new song, rendered anew.
class TuneChannel {
public:
    // `keeper` is the device's background thread: the synthesizer is made
    // and freed there, one job after another.
    TuneChannel(int sampleRateHz, std::vector<std::string> soundFonts, JobThread& keeper);
    ~TuneChannel();
    TuneChannel(const TuneChannel&) = delete;
    TuneChannel& operator=(const TuneChannel&) = delete;

    // From the game thread when the device starts up; then, on the keeper,
    // once the mixer is open: hooks the player into the mixer and makes the
    // synthesizer. False when no sound font loads.
    void prepare();
    bool startUp();
    // Unhooks the player, once the keeper has stopped.
    void shutDown();

    bool open(const std::string& path);
    void rewind();
    bool play();
    void close();
    // Also frees the synthesizer once nothing needs it.
    bool isPlaying();

private:
    static constexpr auto kDetachTimeout = std::chrono::seconds(1);

    void tend();
    void wantSynth();
    void loadSynth();
    void releaseSynth();
    void releaseSynthWhenIdle();
    void askForRendering(const std::shared_ptr<LoadedSong>& song);

    const int sampleRateHz_;
    const std::vector<std::string> soundFonts_;
    JobThread& keeper_;
    TuneFileCache files_;
    std::shared_ptr<LoadedSong> open_;
    std::weak_ptr<LoadedSong> renderingAskedFor_;
    TunePlayer player_;
    std::atomic<bool> hooked_{false};
    // Whether the keeper was last told to make the synthesizer (true) or
    // free it; only the game thread looks at this.
    bool synthWanted_ = false;
    // Only keeper jobs touch this.
    std::unique_ptr<GmSynth> synth_;
    // Last, so that it stops before anything its job uses goes.
    JobThread renderer_{"zolbas-render", JobThread::Priority::Low};
};

} // namespace zol
