#include "platform/win32/MciSoundDevice.h"

#include "platform/ProcessStart.h"
#include "platform/win32/WideText.h"

#include "platform/win32/SystemHeaders.h"

#include <mmsystem.h>

#include <cstdio>

namespace zol::win32 {

namespace {

constexpr std::size_t kReplyChars = 64;

// Sends one MCI command; gives 0 or the MCI error code.
MCIERROR command(const std::wstring& text, std::wstring* reply = nullptr) {
    wchar_t buffer[kReplyChars] = {};
    const MCIERROR error = mciSendStringW(text.c_str(), buffer, kReplyChars, nullptr);
    if (reply) *reply = buffer;
    return error;
}

std::string errorText(MCIERROR error) {
    wchar_t text[256] = {};
    if (!mciGetErrorStringW(error, text, 256)) return "MCI error " + std::to_string(error);
    return utf8(text);
}

// Errors that belong to the file, not to the device: the next file may play.
bool isFileError(MCIERROR error) {
    switch (error) {
    case MCIERR_FILE_NOT_FOUND:
    case MCIERR_INVALID_FILE:
    case MCIERR_FILE_READ:
    case MCIERR_UNRECOGNIZED_KEYWORD:
    case MCIERR_SEQ_DIV_INCOMPATIBLE:
        return true;
    }
    return false;
}

} // namespace

MciSoundDevice::MciSoundDevice(std::wstring tuneDevice, std::wstring cueDevice)
    : players_{{{L"zolbas_tune", std::move(tuneDevice)}, {L"zolbas_cue", std::move(cueDevice)}}} {}

MciSoundDevice::~MciSoundDevice() {
    for (Device& p : players_)
        if (p.open) command(std::wstring(L"close ") + p.alias);
}

void MciSoundDevice::complain(const std::string& what) {
    if (complained_) return;
    complained_ = true;
    std::fprintf(stderr, "zolbas: no sound: %s; the game goes on in silence\n", what.c_str());
}

// Some devices open without an output and fail only when they play: either
// way a device error silences the channel for good, a file error only this
// file.
void MciSoundDevice::fail(Device& p, unsigned long error, const std::string& what) {
    if (!isFileError(error)) p.deviceMissing = true;
    complain(what + ": " + errorText(error));
}

bool MciSoundDevice::open(Channel channel, const std::string& path) {
    Device& p = deviceOf(channel);
    if (p.deviceMissing) return false;
    close(channel);
    std::wstring file = utf8Path(path).make_preferred().wstring();
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        complain("the file " + path + " is missing");
        return false;
    }
    if (const MCIERROR error = command(L"open \"" + file + L"\" type " + p.deviceType + L" alias " + p.alias)) {
        fail(p, error, path);
        return false;
    }
    p.open = true;
    return true;
}

void MciSoundDevice::rewind(Channel channel) {
    if (const Device& p = deviceOf(channel); p.open) command(std::wstring(L"seek ") + p.alias + L" to start");
}

bool MciSoundDevice::play(Channel channel) {
    Device& p = deviceOf(channel);
    if (!p.open) return false;
    if (const MCIERROR error = command(std::wstring(L"play ") + p.alias)) {
        fail(p, error, "playing");
        close(channel);
        return false;
    }
    return true;
}

void MciSoundDevice::close(Channel channel) {
    Device& p = deviceOf(channel);
    if (!p.open) return;
    command(std::wstring(L"close ") + p.alias);
    p.open = false;
}

bool MciSoundDevice::isPlaying(Channel channel) const {
    const Device& p = deviceOf(channel);
    if (!p.open) return false;
    std::wstring mode;
    return command(std::wstring(L"status ") + p.alias + L" mode", &mode) == 0 && mode == L"playing";
}

} // namespace zol::win32
