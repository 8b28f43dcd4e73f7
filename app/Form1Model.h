#pragma once
// The main window: the source picture, the fabric and its three scroll bars,
// the working picture Picture4, the stitch colour matrix and the magnified
// preview Picture1, the colour-reduction driver, generate and save effect,
// panning, and the text tool. Runs with no widgets: the view listens through
// Form1Observer, messages go to a MessageSink, long loops yield through a
// TaskDelegate, and other windows open through MainNavigation.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include "app/ControlRules.h"
#include "app/MainNavigation.h"
#include "app/MainTexts.h"
#include "image/SourcePicture.h"
#include "app/WorkingPicture.h"
#include "chart/ChartHost.h"
#include "chart/ColourChoice.h"
#include "chart/Fabric.h"
#include "image/ClsDIB.h"
#include "base/TaskDelegate.h"
#include "base/UiText.h"
#include "colour/RgbGrid.h"
#include "palette/RgbValues.h"

namespace pav::app {

using image::SourcePicture;

enum class Form1Change {
    Labels,    // Label1 or Label4
    Bars,      // a property of wChange, Hchange or zoom
    Fabric,    // the fabric frame, Picture4's place, size or pixels
    Preview,   // Picture1
    Buttons,   // enabled states, Check1
    TextTool,  // Text1, Command8, Command9, Label8
    Busy,      // the busy pointer
};

class Form1Observer {
public:
    virtual ~Form1Observer() = default;
    virtual void form1Changed(Form1Change what) = 0;
};

// Where the fabric frame Picture2 sits inside the frame "我的图片", in twips.
struct FrameGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Labels whose hover puts a hint into Label4.
enum class HintLabel { Label5, Label6, Label10, Label7 };

class Form1Model : public pav::chart::ChartHost {
public:
    // The magnified preview box, in pixels.
    static constexpr int kPreviewWidth = 300;
    static constexpr int kPreviewHeight = 300;

    Form1Model(pav::MessageSink& messages, pav::TaskDelegate task = {});
    ~Form1Model() override;

    void setObserver(Form1Observer* observer) { m_observer = observer; }
    void setNavigation(MainNavigation* navigation) { m_navigation = navigation; }
    // Where effect pictures are saved; the program's folder unless set.
    void setProgramFolder(std::string folder) { m_programFolder = std::move(folder); }
    const std::string& programFolder() const { return m_programFolder; }

    // ---- public members other windows read and write ----
    double picW = 117;
    std::int32_t picH = 132;
    double picmaxW = 230;
    std::int32_t picmaxH = 250;
    std::int32_t ColorBit = 0;
    std::int32_t rdColorNum = 0;
    std::int32_t autoColor = 0;
    // Best-N threads, dithering, cleanup and matching, from the chart-settings
    // dialog; a number of threads overrides ColorBit in the reduction driver.
    pav::chart::ColourChoice colourChoice;
    std::int32_t moveX1 = 0;
    std::int32_t moveY1 = 0;
    float xyRate = 1.0f;
    std::int32_t ifScale = 0;
    std::string picPath;

    ScrollBar wChange{16, 230, 10, 1, 132};
    ScrollBar Hchange{16, 250, 10, 1, 132};
    ScrollBar zoom{16, 255, 20, 1, 16};

    // ---- start-up and shutdown ----
    // The load handler: fabric 117 x 132, whole then region mode, the start
    // picture ("logo.dll" from the current folder; none when empty), the
    // preview; ColorBit 0. Errors before the preview are swallowed.
    void formLoad(const std::string& startPicture = "logo.dll");
    // Installs the picture at path as the new source with all its sizes. False
    // when it cannot be read or charted; the previous picture, its path, sizes
    // and pan then stay as they were.
    bool loadSourcePicture(const std::string& path);
    // Why the last picture that failed to decode was refused (fault None after a decoded one).
    const image::PictureError& pictureError() const { return m_pictureError; }
    // Why the last refused picture, decoded whole, cannot be charted (Fits otherwise).
    chart::FabricFit pictureFit() const { return m_pictureFit; }
    // The message for that: empty when the picture fits or could not be read at all.
    std::string pictureFitText() const;
    // Unloads every other window (the view then closes the main window).
    void unload();
    // Pictures installed from now on are only read fitted into this size
    // (whole mode only): JPEG files then decode at a reduced scale. Sizes stay
    // those of the whole picture. Empty: full resolution.
    void setSourceDetail(QSize atLeast) { m_sourceDetail = atLeast; }

    // ---- fabric and mode ----
    void command1Click();   // "局部": region mode
    void command11Click();  // "全图": whole mode
    void check1Click(bool checked);
    // The zoom bar's change handler: resamples in the mode given by ifScale.
    void zoomChange();

    // ---- preview and reduction ----
    void previewRoutine();  // Command2
    void showMatrixS();
    // A new picture or framing: the effect of the old one is no longer shown.
    void clearPreview();
    // "超级减色" (Label10). With ColorBit 99: a preview, then the N most
    // frequent colours (reduceToTopColours with rdColorNum). A best-N choice in
    // colourChoice takes the place of every mode: a preview, then reduceToBestThreads.
    void reductionDriver();
    void command4Click();  // "效果预览->": the reduction driver, in every mode
    void reduceToTopColours(int n);
    // The best-N reduction of colourChoice over the fabric's stitches, into the
    // matrix and onto Picture4; colourChoice.bestThreads is 2..100.
    void reduceToBestThreads();
    void label11Click();  // "还原色彩"
    void label5Click();   // "+"
    void label6Click();   // "-"

    // ---- hand-over commands ----
    void generate();        // "生成", "打印", menu "生成我的绣图"
    void command3Click();   // "保存效果"
    void command5Click();   // "导入图片"
    void command6Click();   // "绣图图库"
    void menuImportFile();  // "导入图片文件"
    void menuGallery();     // menu "绣图图库"
    void showSettings();    // "绣图设置", "软件设置", "超级减色" (Label12)
    void menuAbout();       // "关于..."
    void menuCapture();     // "直接屏幕截图"
    void menuOpenChartFile(); // "打开绣图文件..."
    void label9Click();     // "编辑"
    void hover(HintLabel label);

    // ---- panning (coordinates in pixels of the box concerned) ----
    void picture4MouseDown(double x, double y);
    void picture4MouseMove(double x, double y);
    void picture4MouseUp(double x, double y);
    void picture1MouseDown(double x, double y);
    void picture1MouseUp(double x, double y);

    // ---- text tool ----
    void label7Click();   // "A": open the entry
    void text1Click();    // the first click of the run empties Text1
    void setText1(const std::string& text) { m_text1 = text; }
    void command8Click();  // "确定"
    void command9Click();  // "清除"
    void label8Click();

    // ---- screen capture ----
    // Copies a block into Picture4 with its top-left at `at`, clipped to the box.
    void copyIntoPicture4(const QImage& block, QPoint at);

    // ---- steps shared with the editing entry ----
    enum class StitchLoad { Ready, Stop };
    // Loads "tmppicv.bmp" into stitchDIB with its messages, frees reducedDIB,
    // lets events run; Stop when stitchDIB cannot be used.
    StitchLoad loadStitchPicture();
    // Reduces stitchDIB by ColorBit into reducedDIB (nothing for 0 and 99).
    void reduceByColorBit();
    // Picture5: the fabric's stitches from the matrix, one pixel each, as a
    // 24-bit picture of the fabric frame's size; what "tmppicv.bmp" holds.
    bool makeStitchPicture(pav::image::ClsDIB& picture5) const;
    pav::image::ClsDIB& stitchDIB() { return m_stitchDIB; }
    pav::image::ClsDIB& reducedDIB() { return m_reducedDIB; }
    // The colour editor's "完成": the stitches of the edited chart take the place of the fabric's.
    void takeEditedStitches(const pav::colour::RgbGrid& stitches);
    pav::MessageSink& messages() { return m_messages; }
    const pav::TaskDelegate& task() const { return m_task; }
    void setTask(pav::TaskDelegate task) { m_task = std::move(task); }
    void setLabel4(const std::string& text);
    // The user chose another language: the texts composed here are composed again.
    void languageChanged();
    void setBusy(bool busy);

    // ---- ChartHost ----
    double stitchPictureWidth() const override { return m_frame.width / kTwipsPerPixel; }
    int stitchPictureHeight() const override;
    const pav::colour::RgbGrid& stitchColours() const override { return m_stitches; }
    // The same stitches to write, for the steps (and tests) that set them directly.
    pav::colour::RgbGrid& stitchColours() { return m_stitches; }
    pav::chart::Swatches swatches() const override { return pav::chart::sheetSwatches(ColorBit, colourChoice); }
    pav::colour::FitCriterion fitCriterion() const override { return colourChoice.criterion; }
    bool allowSpecialty() const override { return colourChoice.allowSpecialty; }
    const pav::colour::RgbGrid* stitchesBeforeReduction() const override;
    void setMainControlsEnabled(bool enabled) override;

    // ---- what the view shows ----
    const std::string& label1() const { return m_label1; }
    const std::string& label4() const { return m_label4; }
    const FrameGeometry& fabricFrame() const { return m_frame; }
    // Picture4's top-left inside the fabric frame, in twips, and its size in pixels.
    double picture4Left() const { return m_picture4Left; }
    double picture4Top() const { return m_picture4Top; }
    QSize picture4Size() const { return m_picture4.size(); }
    // Pixels of Picture4 (box pixels); outside the box they are white.
    QImage picture4Region(const QRect& rect) const { return m_picture4.region(rect); }
    const QImage& picture1() const { return m_picture1; }
    const SourcePicture* picture3() const { return m_source.get(); }
    bool command1Enabled() const { return m_command1Enabled; }
    bool command11Enabled() const { return m_command11Enabled; }
    bool check1() const { return m_check1; }
    bool command2Enabled() const { return m_command2Enabled; }
    // "效果预览->", "导入图片" and "绣图图库", switched by the chart window.
    bool mainControlsEnabled() const { return m_mainControlsEnabled; }
    // The chart window reads the stitch data while it generates or prints, and lets
    // events run meanwhile: "生成", "编辑", "保存效果" and stamping text, which would
    // rewrite that data under it, do nothing until it is done.
    bool stitchDataFree() const { return m_mainControlsEnabled; }
    bool textEntryOpen() const { return m_textEntryOpen; }
    const std::string& text1() const { return m_text1; }
    bool label8Visible() const { return m_label8Visible; }
    const std::string& label8Caption() const { return m_label8Caption; }
    // Label8's place and size in Picture4 pixels.
    QRect label8Rect() const;
    const QFont& textFont() const { return m_textFont; }
    bool busy() const { return m_busyDepth > 0; }

    int cellSize() const { return m_cellSize; }
    int viewX() const { return m_viewX; }
    int viewY() const { return m_viewY; }
    int previewDone() const { return m_previewDone; }
    int effectCount() const { return m_effectCount; }
    // Bytes of pixel data held by the source and the working picture.
    std::int64_t pixelBytes() const;

private:
    void bindBars();
    void wChangeChange();
    void hchangeChange();
    void zoomWhole();
    void zoomRegion();
    // Fabric height for a fabric width in whole mode: width x xyRate, rounded half to even.
    std::int32_t heightForWidth(double width) const;
    void showModeButtons();  // Command1 and Command11 as ifScale says
    void placeFrameWidth();
    void placeFrameHeight();
    void updateLabel1();
    void resamplePicture4(QSize size);

    // The fabric size read by the preview: the frame's size in pixels.
    double frameW() const { return m_frame.width / kTwipsPerPixel; }
    double frameH() const { return m_frame.height / kTwipsPerPixel; }
    QPoint windowOrigin() const;  // where the fabric reads Picture4
    void fillMatrix();
    // The chart window's size of the stitch picture: the frame rounded half to even.
    int chartWidth() const;
    int chartHeight() const;
    void keepStitchesBeforeReduction();
    // Picture4 holds reduced stitches where the fabric reads it now (until it is resampled).
    void markFabricReduced();
    bool fabricHoldsReduction() const;
    bool writeStitchPicture();
    bool prepareStitchPicture();  // fill, write "tmppicv.bmp", load it: steps shared by reduction and saving
    void stampText(double left, double top);
    // Records a button release on either box and gives half the distance
    // dragged since the press, (down - up) / 2 on each axis: both boxes pan at half speed.
    QPointF releaseAt(double x, double y);
    // Writes picture as name into the save folder and gives the path used; error
    // is empty when the file was written, otherwise it holds the reason.
    std::string saveEffectPicture(const pav::image::ClsDIB& picture, const std::string& name, std::string& error);
    void notify(Form1Change what);

    pav::MessageSink& m_messages;
    pav::TaskDelegate m_task;
    Form1Observer* m_observer = nullptr;
    MainNavigation* m_navigation = nullptr;
    std::string m_programFolder;

    int m_cellSize = 4;
    int m_viewX = 0;
    int m_viewY = 0;
    int m_previewDone = 0;
    double m_marginX = 4;
    std::int32_t m_marginY = 8;
    float m_downX = 0;
    float m_downY = 0;
    float m_upX = 0;
    std::int32_t m_upY = 0;
    int m_effectCount = 0;
    pav::image::ClsDIB m_stitchDIB;
    // The fabric's stitch colours as the last reduction found them (the chart's quality figures).
    pav::colour::RgbGrid m_beforeReduction;
    QRect m_reducedWindow; // the fabric window a reduction was pasted into; null when none
    pav::image::ClsDIB m_reducedDIB;
    // The stitch colours, one per fabric cell from the top-left corner, over the
    // largest fabric and one more column and row (what the preview clears).
    pav::colour::RgbGrid m_stitches = pav::colour::filledGrid(231, 251, pav::palette::kWhite);

    std::shared_ptr<const SourcePicture> m_source;  // Picture3
    image::PictureError m_pictureError;
    chart::FabricFit m_pictureFit = chart::FabricFit::Fits;
    QSize m_sourceDetail;
    WorkingPicture m_picture4;
    double m_picture4Left = 0;
    double m_picture4Top = 0;
    QImage m_picture1;
    FrameGeometry m_frame;

    std::string m_label1;
    std::string m_label4 = texts::kWelcome;
    bool m_command1Enabled = true;
    bool m_command11Enabled = true;
    bool m_check1 = false;
    bool m_command2Enabled = true;
    bool m_mainControlsEnabled = true;

    bool m_textEntryOpen = false;
    std::string m_text1 = pav::uiString(texts::kText1);
    bool m_text1Clicked = false;
    bool m_label8Visible = true;
    std::string m_label8Caption;
    double m_label8Left = 0;
    double m_label8Top = 0;
    QFont m_textFont;

    int m_busyDepth = 0;
};

} // namespace pav::app
