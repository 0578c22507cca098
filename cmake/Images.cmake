# The window's pictures, embedded as data in one target. They are drawn by the
# generator in tools/artwork and committed; the build only compiles them in.
# editor/Images.cpp is the only code that names them.
file (GLOB GATEVOX_IMAGE_FILES CONFIGURE_DEPENDS
    "${PROJECT_SOURCE_DIR}/editor/images/*.png"
    "${PROJECT_SOURCE_DIR}/editor/images/*.jpg")

juce_add_binary_data (gatevox_images
    HEADER_NAME GatevoxImages.h
    NAMESPACE GatevoxImages
    SOURCES ${GATEVOX_IMAGE_FILES})
