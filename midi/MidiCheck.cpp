#include "app/VelunkaMain.h"

void TFormMain::CheckMidi() {
    MMRESULT result = midiOutOpen(&hMidiOut, MIDI_MAPPER, 0, 0, 0);
    if (result == MMSYSERR_NOERROR) {
        vcl::ShowMessage("MIDIは正常に動作しています。");
    } else if (result == MMSYSERR_ALLOCATED) {
        vcl::ShowMessage(
            "MIDIは使われています。\n"
            "MIDIを使っているソフトを終了してからvelunkaを再起動して下さい。");
        vcl::Application->Terminate();
    } else {
        vcl::ShowMessage("MIDIオープンエラー\nMIDIデバイスの設定を確認して下さい。");
        vcl::Application->Terminate();
    }
    CloseMidiOutput();
}
