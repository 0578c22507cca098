#include "editor/SkiptorFeel.h"
#include "editor/Images.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace gatevox
{
namespace
{
juce::Image render (int width, int height, const std::function<void (juce::Graphics&)>& draw)
{
    juce::Image image (juce::Image::ARGB, width, height, true);
    juce::Graphics g (image);
    draw (g);
    return image;
}

class SkiptorFeelTest : public ::testing::Test
{
protected:
    juce::Image comboBox (int width, int height)
    {
        juce::ComboBox box;
        box.setLookAndFeel (&feel);
        box.setSize (width, height);
        auto image = render (width, height, [&] (juce::Graphics& g) { box.paintEntireComponent (g, false); });
        box.setLookAndFeel (nullptr);
        return image;
    }

    juce::Image tickBox (bool enabled, bool pointedAt)
    {
        juce::ToggleButton button;
        return render (18, 18,
                       [&] (juce::Graphics& g) {
                           feel.drawTickBox (g, button, 0.0f, 0.0f, 18.0f, 18.0f, true, enabled, pointedAt, pointedAt);
                       });
    }

    // A knob drawn as the window's sliders draw it: rotary, no text box, default angles.
    juce::Image knob (int size, double position)
    {
        juce::Slider slider (juce::Slider::RotaryHorizontalVerticalDrag, juce::Slider::NoTextBox);
        slider.setLookAndFeel (&feel);
        slider.setRange (0.0, 1.0);
        slider.setValue (position, juce::dontSendNotification);
        slider.setSize (size, size);
        auto image = render (size, size, [&] (juce::Graphics& g) { slider.paintEntireComponent (g, false); });
        slider.setLookAndFeel (nullptr);
        return image;
    }

    SkiptorFeel feel;
};

juce::uint32 darkest (const juce::Image& image)
{
    juce::Colour result = juce::Colours::white;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (const auto c = image.getPixelAt (x, y);
                c.getAlpha() == 255 && c.getBrightness() < result.getBrightness())
                result = c;
    return result.getARGB();
}

bool isEmpty (const juce::Image& image)
{
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (image.getPixelAt (x, y).getAlpha() != 0)
                return false;
    return true;
}

// The point at radius r from a square knob's centre in the direction of an
// angle measured clockwise from 12 o'clock.
juce::Colour along (const juce::Image& image, float angle, float r)
{
    const float centre = static_cast<float> (image.getWidth()) / 2.0f;
    return image.getPixelAt (juce::roundToInt (centre + r * std::sin (angle) - 0.5f),
                             juce::roundToInt (centre - r * std::cos (angle) - 0.5f));
}
} // namespace

TEST_F (SkiptorFeelTest, ComboBoxBodyAndArrowFollowTheBoxSize)
{
    // The arrow of a light box is a ff969696 triangle in its button at the right (button 20 pixels wide).
    const auto arrowPoint = [] (int width) { return juce::Point<int> (width - 10, 11); };

    for (auto [width, height] : {std::pair (57, 18), std::pair (96, 16)})
    {
        const auto image = comboBox (width, height);
        const auto body = image.getPixelAt (width / 2, height / 2);
        EXPECT_NEAR (body.getAlpha(), 0x80, 1) << width << " x " << height;
        EXPECT_LT (body.getRed(), 0x42);
        EXPECT_EQ (image.getPixelAt (width - 8, height / 2).getAlpha(), body.getAlpha()) << "no arrow button";
    }

    const auto presets = comboBox (126, 24);
    const auto darker = presets.getPixelAt (100, 12); // beyond the gradient's end: 99a1a1a1
    EXPECT_EQ (darker.getAlpha(), 0x99);
    EXPECT_NEAR (darker.getRed(), 0xa1, 2);
    EXPECT_NE (presets.getPixelAt (arrowPoint (126).x, arrowPoint (126).y).getARGB(), 0xff969696u);

    const auto light = comboBox (142, 24);
    EXPECT_GE (light.getPixelAt (20, 12).getRed(), 0xdd);
    EXPECT_EQ (light.getPixelAt (20, 12).getAlpha(), 0xff);
    EXPECT_EQ (light.getPixelAt (arrowPoint (142).x, arrowPoint (142).y).getARGB(), 0xff969696u);

    // Pressed, the button's outline grows from 0.5 to 1.2 pixels: its inner edge reaches column 124.
    juce::ComboBox box;
    const auto button = [&] (bool pressed) {
        return render (142, 24,
                       [&] (juce::Graphics& g) { feel.drawComboBox (g, 142, 24, pressed, 122, 0, 20, 24, box); });
    };
    EXPECT_LT (button (true).getPixelAt (124, 12).getBrightness() + 0.1f,
               button (false).getPixelAt (124, 12).getBrightness());
}

TEST_F (SkiptorFeelTest, ComboBoxFontIsTwelvePixelsInEveryBoxOfTheWindow)
{
    for (int height : {16, 18, 20, 24})
    {
        juce::ComboBox box;
        box.setSize (57, height);
        EXPECT_FLOAT_EQ (feel.getComboBoxFont (box).getHeight(), 12.0f) << height;
    }
    juce::ComboBox low;
    low.setSize (57, 10);
    EXPECT_FLOAT_EQ (feel.getComboBoxFont (low).getHeight(), 8.5f);
}

TEST_F (SkiptorFeelTest, TickIsGreyedWhenDisabledAndIgnoresThePointer)
{
    EXPECT_EQ (darkest (tickBox (true, false)), 0xff666666u);
    EXPECT_EQ (darkest (tickBox (false, false)), 0xff999999u);

    const auto still = tickBox (false, false);
    const auto pointed = tickBox (false, true);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x)
            ASSERT_EQ (still.getPixelAt (x, y).getARGB(), pointed.getPixelAt (x, y).getARGB()) << x << ", " << y;
}

TEST_F (SkiptorFeelTest, KnobPointerTurnsFromLowerLeftThroughTopToLowerRight)
{
    constexpr float pi = juce::MathConstants<float>::pi;
    // The small knob's white pointer lies between its centre cap and its rim.
    const auto pointerAt = [] (const juce::Image& image, float angle)
    { return along (image, angle, 14.0f).getBrightness() > 0.8f; };

    const struct
    {
        double position;
        float angle;
    } cases[] = {{0.0, 1.2f * pi}, {0.5, 2.0f * pi}, {1.0, 2.8f * pi}};

    for (const auto& c : cases)
    {
        const auto image = knob (40, c.position);
        EXPECT_TRUE (pointerAt (image, c.angle)) << c.position;
        for (const auto& other : cases)
        {
            if (other.position == c.position)
                continue;
            EXPECT_FALSE (pointerAt (image, other.angle)) << c.position << " at " << other.position;
        }
    }

    // The large cap's orange pointer points straight up at the middle position.
    const auto large = along (knob (94, 0.5), 0.0f, 22.0f);
    EXPECT_GT (large.getRed(), 0xc0);
    EXPECT_LT (large.getBlue(), 0x60);
}

TEST_F (SkiptorFeelTest, KnobOutsideItsRangeIsNotDrawn)
{
    juce::Slider slider;
    for (float position : {-0.01f, 1.01f, std::nanf ("")})
        EXPECT_TRUE (isEmpty (render (40, 40,
                                      [&] (juce::Graphics& g)
                                      {
                                          feel.drawRotarySlider (g, 0, 0, 40, 40, position,
                                                                 1.2f * juce::MathConstants<float>::pi,
                                                                 2.8f * juce::MathConstants<float>::pi, slider);
                                      })))
            << position;
}

TEST (Images, EveryPictureDecodesAtItsSize)
{
    const struct
    {
        const char* name;
        juce::Image image;
        int width;
        int height;
    } pictures[] = {
        {"window background", images::windowBackground(), 800, 500},
        {"reset", images::resetKey (false), 83, 27},
        {"reset pressed", images::resetKey (true), 83, 27},
        {"copy", images::copyKey (false), 83, 27},
        {"copy pressed", images::copyKey (true), 83, 27},
        {"paste", images::pasteKey (false), 83, 27},
        {"paste pressed", images::pasteKey (true), 83, 27},
        {"fill", images::fillKey (false), 83, 27},
        {"fill pressed", images::fillKey (true), 83, 27},
        {"draw", images::drawTool (false), 60, 25},
        {"draw on", images::drawTool (true), 60, 25},
        {"delete", images::deleteTool (false), 60, 25},
        {"delete on", images::deleteTool (true), 60, 25},
        {"layer 1", images::layerKey (0, false), 44, 36},
        {"layer 2 on", images::layerKey (1, true), 44, 36},
        {"layer 3", images::layerKey (2, false), 44, 36},
        {"layer 4 on", images::layerKey (3, true), 44, 36},
        {"strip", images::stripBackground(), 657, 54},
        {"Fx 1", images::stepKey (0), 35, 37},
        {"Fx 5", images::stepKey (4), 35, 37},
        {"slot backdrop", images::slotBackdrop(), 762, 230},
        {"preview screen", images::previewScreen(), 300, 203},
        {"panel texture", images::panelTexture(), 402, 152},
        {"Filter/Effect caption", images::filterEffectCaption(), 139, 26},
        {"large knob", images::largeKnob(), 81, 81},
        {"small knob", images::smallKnob(), 100, 100},
        {"settings background", images::settingsBackground(), 800, 233},
        {"settings emblem", images::settingsEmblem(), 150, 150},
    };
    for (const auto& p : pictures)
    {
        ASSERT_TRUE (p.image.isValid()) << p.name;
        EXPECT_EQ (p.image.getWidth(), p.width) << p.name;
        EXPECT_EQ (p.image.getHeight(), p.height) << p.name;
    }

    // Every layer and slot has its own picture; out-of-range numbers fall on the nearest.
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE (images::layerKey (i, true).isValid() && images::layerKey (i, false).isValid()) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE (images::stepKey (i).isValid()) << i;
    EXPECT_EQ (images::stepKey (9).getPixelAt (17, 30), images::stepKey (4).getPixelAt (17, 30));
    EXPECT_EQ (images::layerKey (-1, true).getPixelAt (22, 18), images::layerKey (0, true).getPixelAt (22, 18));
}

} // namespace gatevox
