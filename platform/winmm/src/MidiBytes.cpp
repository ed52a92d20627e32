#include "MidiBytes.h"

namespace winmm {
namespace {

constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kNoteOn = 0x90;

std::size_t MessageLength(unsigned char status) {
    if (status < 0x80) return 0;
    switch (status & 0xF0) {
        case 0xC0:
        case 0xD0:
            return 2;
        case 0xF0:
            break;
        default:
            return 3;
    }
    switch (status) {
        case 0xF1:
        case 0xF3:
            return 2;
        case 0xF2:
            return 3;
        case 0xF0:  // a system exclusive message never fits a short message
        case 0xF7:
            return 0;
        default:
            return 1;
    }
}

struct Note {
    bool on;  // a note-on with a velocity above 0
    unsigned char channel;
    unsigned char note;
};

std::optional<Note> NoteOf(std::span<const unsigned char> message) {
    if (message.size() < 3) return std::nullopt;
    const unsigned char kind = message[0] & 0xF0;
    if (kind != kNoteOn && kind != kNoteOff) return std::nullopt;
    if (message[1] > 0x7F || message[2] > 0x7F) return std::nullopt;
    return Note{kind == kNoteOn && message[2] > 0, static_cast<unsigned char>(message[0] & 0x0F),
                message[1]};
}

}  // namespace

std::vector<unsigned char> ShortMessageBytes(std::uint32_t message) {
    const unsigned char bytes[3] = {static_cast<unsigned char>(message & 0xFF),
                                    static_cast<unsigned char>((message >> 8) & 0xFF),
                                    static_cast<unsigned char>((message >> 16) & 0xFF)};
    return {bytes, bytes + MessageLength(bytes[0])};
}

std::optional<KeyboardNote> KeyboardNoteOf(std::span<const unsigned char> message) {
    const std::optional<Note> note = NoteOf(message);
    if (!note) return std::nullopt;
    return KeyboardNote{note->note, note->on};
}

void SoundingNotes::Sent(std::span<const unsigned char> message) {
    const std::optional<Note> note = NoteOf(message);
    if (!note) return;
    if (note->on) {
        notes_.insert({note->channel, note->note});
    } else {
        notes_.erase({note->channel, note->note});
    }
}

std::vector<std::vector<unsigned char>> SoundingNotes::TakeNoteOffs() {
    std::vector<std::vector<unsigned char>> offs;
    for (const auto& [channel, note] : notes_) {
        offs.push_back({static_cast<unsigned char>(kNoteOff | channel), note, 0});
    }
    notes_.clear();
    return offs;
}

}  // namespace winmm
