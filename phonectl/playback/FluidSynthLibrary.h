// FluidSynth, loaded with dlopen on first use rather than linked: the
// library and the sound servers it pulls in cost more start-up time than the
// rest of velkor17, and most processes never sound the synthesizer.
#pragma once

#include <fluidsynth.h>

namespace velkor17 {

#define VELKOR17_FLUID_FUNCTIONS(X)                                                                \
    X(fluid_set_log_function)                                                                      \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings) X(fluid_settings_setnum) X(fluid_settings_setint) X(new_fluid_synth)  \
        X(delete_fluid_synth) X(fluid_synth_sfload) X(fluid_synth_system_reset)                    \
            X(fluid_synth_all_sounds_off) X(fluid_synth_noteon) X(fluid_synth_noteoff)             \
                X(fluid_synth_key_pressure) X(fluid_synth_cc) X(fluid_synth_program_change)        \
                    X(fluid_synth_channel_pressure) X(fluid_synth_pitch_bend) X(fluid_synth_sysex) \
                        X(fluid_synth_write_float)

struct FluidSynthLibrary {
#define VELKOR17_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    VELKOR17_FLUID_FUNCTIONS(VELKOR17_FLUID_POINTER)
#undef VELKOR17_FLUID_POINTER

    // The functions, looked up once per process (thread-safe); nullptr when
    // the library or one of them cannot be found. Never unloaded.
    static const FluidSynthLibrary *get();
};

}  // namespace velkor17
