#include "editor/SkiptorFeel.h"

#include "editor/Images.h"

#include <cmath>

namespace gatevox
{
namespace
{
namespace tick
{
const juce::Colour gradientCentre{0xffe0e0e0};
const juce::Colour gradientEdge{0xfff9f9f9};
const juce::Colour outline{0xffaeaeae};
const juce::Colour markEnabled{0xff666666};
const juce::Colour markDisabled{0xff999999};
constexpr float boxShare = 0.7f; // of the tick area's width and height
constexpr float cornerSize = 1.0f;
constexpr float markThickness = 2.5f;
constexpr float markGrid = 9.0f; // the mark's points lie on a 9 x 9 grid
} // namespace tick

// The dark translucent body of the kernel panel's and the envelope tab's small boxes.
namespace smallBox
{
const juce::Colour top{0x80000000};
const juce::Colour bottom{0x80414141};
const juce::Colour outline{0xaa9f9f9f};
constexpr int height = 18;
constexpr int width = 80;
constexpr int envelopeWidth = 96;
} // namespace smallBox

// The darker body of the presets box.
namespace presetBox
{
const juce::Colour top{0xaa000000};
const juce::Colour bottom{0x99a1a1a1};
const juce::Colour outline{0x997f7f7f};
constexpr int width = 126;
} // namespace presetBox

// The light body with its arrow button, for every other box.
namespace lightBox
{
const juce::Colour top{0xffffffff};
const juce::Colour bottom{0xffdddddd};
const juce::Colour outline{0xffbcbcbc};
const juce::Colour buttonCentre{0xff666666};
const juce::Colour buttonEdge{0xffffffff};
const juce::Colour buttonOutline{0xff666666};
const juce::Colour arrow{0xff969696};
constexpr float outlinePressed = 1.2f;
constexpr float outlineNormal = 0.5f;
constexpr float outlineDisabled = 0.3f;
} // namespace lightBox

constexpr float comboFontHeight = 12.0f;
constexpr float placeholderStrength = 0.8f;
constexpr float comboFontShare = 0.85f; // of the box's height, for boxes too low for 12 pixels

// Knobs 90 to 100 pixels wide show the large cap inside a 1-pixel margin; all
// others the small cap over their whole bounds.
namespace knob
{
constexpr int largeMinWidth = 90;
constexpr int largeMaxWidth = 100;
const juce::Rectangle<int> largeArea{1, 1, 90, 90};
} // namespace knob

void fillBody (juce::Graphics& g, int width, int height, juce::ColourGradient gradient, juce::Colour outline)
{
    g.setGradientFill (gradient);
    g.fillRect (0, 0, width, height);
    g.setColour (outline);
    g.drawRect (0, 0, width, height, 1);
}

void drawArrowButton (juce::Graphics& g, int height, bool isDown, const juce::Rectangle<float>& button,
                      const juce::ComboBox& box)
{
    using namespace lightBox;
    const float t = !box.isEnabled() ? outlineDisabled : (isDown ? outlinePressed : outlineNormal);
    const auto face = button.reduced (t);

    g.setGradientFill (juce::ColourGradient (buttonCentre, 1.0f, 1.0f, buttonEdge, 1.0f, (float)height, true));
    g.fillRect (face);
    g.setColour (buttonOutline);
    g.drawRect (face, t);

    if (box.isEnabled())
    {
        juce::Path arrowPath;
        arrowPath.addTriangle (button.getX() + 0.5f * button.getWidth(), button.getY() + 0.7f * button.getHeight(),
                               button.getX() + 0.7f * button.getWidth(), button.getY() + 0.4f * button.getHeight(),
                               button.getX() + 0.3f * button.getWidth(), button.getY() + 0.4f * button.getHeight());
        g.setColour (arrow);
        g.fillPath (arrowPath);
    }
}
} // namespace

void SkiptorFeel::drawTickBox (juce::Graphics& g, juce::Component&, float x, float y, float w, float h, bool ticked,
                               bool isEnabled, bool, bool)
{
    const float size = tick::boxShare * w;
    const juce::Rectangle<float> box (x, y + (h - size) / 2.0f, size, tick::boxShare * h);

    g.setGradientFill (
        juce::ColourGradient (tick::gradientCentre, x, y + h - size, tick::gradientEdge, w / 2.0f, h / 2.0f, true));
    g.fillRoundedRectangle (box, tick::cornerSize);
    g.setColour (tick::outline);
    g.drawRoundedRectangle (box, tick::cornerSize, 1.0f);

    if (!ticked)
        return;

    juce::Path mark;
    mark.startNewSubPath (1.5f, 3.0f);
    mark.lineTo (3.0f, 6.0f);
    mark.lineTo (6.0f, 0.0f);
    mark.applyTransform (juce::AffineTransform::scale (w / tick::markGrid, h / tick::markGrid).translated (x, y));

    g.setColour (isEnabled ? tick::markEnabled : tick::markDisabled);
    g.strokePath (
        mark, juce::PathStrokeType (tick::markThickness, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
}

void SkiptorFeel::drawComboBox (juce::Graphics& g, int width, int height, bool isDown, int buttonX, int buttonY,
                                int buttonW, int buttonH, juce::ComboBox& box)
{
    if (height == smallBox::height || width == smallBox::width || width == smallBox::envelopeWidth)
    {
        fillBody (
            g, width, height,
            juce::ColourGradient (smallBox::top, 0.0f, 0.0f, smallBox::bottom, (float)width, (float)height, false),
            smallBox::outline);
        return;
    }

    if (width == presetBox::width)
    {
        fillBody (
            g, width, height,
            juce::ColourGradient (presetBox::top, 0.0f, 0.0f, presetBox::bottom, (float)height, (float)height, false),
            presetBox::outline);
        return;
    }

    fillBody (g, width, height,
              juce::ColourGradient (lightBox::top, 1.0f, 1.0f, lightBox::bottom, 1.0f, (float)height, false),
              lightBox::outline);
    drawArrowButton (g, height, isDown, juce::Rectangle<int> (buttonX, buttonY, buttonW, buttonH).toFloat(), box);
}

juce::Font SkiptorFeel::getComboBoxFont (juce::ComboBox& box)
{
    return juce::Font (juce::jmin (comboFontHeight, comboFontShare * (float)box.getHeight()));
}

// The classic look writes a box's text for "nothing chosen" in its own text
// colour at half strength, a pale grey on the light boxes that is hard to
// read; here it takes the box's text colour, lightened just enough to read
// as a placeholder.
void SkiptorFeel::drawComboBoxTextWhenNothingSelected (juce::Graphics& g, juce::ComboBox& box, juce::Label& label)
{
    g.setColour (box.findColour (juce::ComboBox::textColourId).withMultipliedAlpha (placeholderStrength));
    const auto font = label.getLookAndFeel().getLabelFont (label);
    g.setFont (font);
    const auto area = getLabelBorderSize (label).subtractedFrom (label.getLocalBounds());
    g.drawFittedText (box.getTextWhenNothingSelected(), area, label.getJustificationType(),
                      juce::jmax (1, static_cast<int> (static_cast<float> (area.getHeight()) / font.getHeight())),
                      label.getMinimumHorizontalScale());
}

void SkiptorFeel::drawRotarySlider (juce::Graphics& g, int x, int y, int width, int height, float position,
                                    float startAngle, float endAngle, juce::Slider&)
{
    if (!(position >= 0.0f && position <= 1.0f)) // also refuses NaN
        return;

    const float angle = startAngle + position * (endAngle - startAngle);
    const juce::Graphics::ScopedSaveState saved (g);
    // The knob turns about the centre of the slider's bounds.
    g.addTransform (
        juce::AffineTransform::rotation (angle, (float)x + (float)width / 2.0f, (float)y + (float)height / 2.0f));

    if (width >= knob::largeMinWidth && width <= knob::largeMaxWidth)
    {
        const auto cap = images::largeKnob();
        g.drawImage (cap, knob::largeArea.getX(), knob::largeArea.getY(), knob::largeArea.getWidth(),
                     knob::largeArea.getHeight(), 0, 0, cap.getWidth(), cap.getHeight());
        return;
    }

    const auto cap = images::smallKnob();
    g.drawImage (cap, 0, 0, width, height, 0, 0, cap.getWidth(), cap.getHeight());
}

} // namespace gatevox
