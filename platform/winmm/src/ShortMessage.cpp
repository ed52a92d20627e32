#include "ShortMessage.h"

namespace winmm {

void PlayShortMessage(fluid_synth_t* synth, std::uint32_t message) {
    const int status = message & 0xFF;
    const int data1 = (message >> 8) & 0xFF;
    const int data2 = (message >> 16) & 0xFF;
    if (status < 0x80 || status >= 0xF0) return;
    const int channel = status & 0x0F;
    const bool oneDataByte = data1 < 0x80;
    const bool twoDataBytes = oneDataByte && data2 < 0x80;

    switch (status & 0xF0) {
        case 0x80:
            if (oneDataByte) fluid_synth_noteoff(synth, channel, data1);
            break;
        case 0x90:
            if (!twoDataBytes) break;
            if (data2 == 0)
                fluid_synth_noteoff(synth, channel, data1);
            else
                fluid_synth_noteon(synth, channel, data1, data2);
            break;
        case 0xA0:
            if (twoDataBytes) fluid_synth_key_pressure(synth, channel, data1, data2);
            break;
        case 0xB0:
            if (twoDataBytes) fluid_synth_cc(synth, channel, data1, data2);
            break;
        case 0xC0:
            if (oneDataByte) fluid_synth_program_change(synth, channel, data1);
            break;
        case 0xD0:
            if (oneDataByte) fluid_synth_channel_pressure(synth, channel, data1);
            break;
        case 0xE0:
            if (twoDataBytes) fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
            break;
    }
}

}  // namespace winmm
