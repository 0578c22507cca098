# Warnings for our own code. JUCE's module sources, compiled inside the JUCE
# targets, keep JUCE's own settings: there our flags go on our files only.
set (GATEVOX_WARNING_FLAGS
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Woverloaded-virtual -Wcast-align -Wnull-dereference -Wdouble-promotion)

add_library (gatevox_warnings INTERFACE)
target_compile_options (gatevox_warnings INTERFACE ${GATEVOX_WARNING_FLAGS})

# Adds our own sources to a JUCE target with our warnings on them.
function (gatevox_add_own_sources target)
    target_sources (${target} PRIVATE ${ARGN})
    set_source_files_properties (${ARGN} PROPERTIES COMPILE_OPTIONS "${GATEVOX_WARNING_FLAGS}")
endfunction ()
