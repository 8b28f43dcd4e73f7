<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>Pavlenta</name>
    <message>
        <source>错误！</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>欢迎使用Pavlenta，动手把你的照片做成十字绣！</source>
        <translation>Welcome to Pavlenta: turn your photos into cross-stitch!</translation>
    </message>
    <message>
        <source>增加颜色，得到更逼真效果。需要更多绣线</source>
        <translation>More colours look more lifelike, but need more threads</translation>
    </message>
    <message>
        <source>只要10种颜色就可以绣出真彩般的照片效果，大大节约绣线。这就是Korvane的神奇科技!</source>
        <translation>Just 10 colours give a true-colour look and save a lot of thread. That is Korvane magic!</translation>
    </message>
    <message>
        <source>加入文字</source>
        <translation>Add text</translation>
    </message>
    <message>
        <source>可以通过滚动条直接改变绣图的大小</source>
        <translation>The scroll bars now change the size of the chart</translation>
    </message>
    <message>
        <source>可以通过滚动条移动显示图像</source>
        <translation>The scroll bars now move the picture</translation>
    </message>
    <message>
        <source>开始处理...</source>
        <translation>Working...</translation>
    </message>
    <message>
        <source>减色处理完毕</source>
        <translation>Colour reduction done</translation>
    </message>
    <message>
        <source>处理完毕</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>绣图效果图保存到</source>
        <translation>Preview picture saved to </translation>
    </message>
    <message>
        <source>绣布：宽高</source>
        <translation>Fabric: </translation>
    </message>
    <message>
        <source>   生成绣图前请先点击效果预览键，并且强烈建议您使用超级减色属性  </source>
        <translation>   Before making a chart, press Preview first. Reduce is strongly recommended.  </translation>
    </message>
    <message>
        <source>无法创建！</source>
        <translation>Cannot create it!</translation>
    </message>
    <message>
        <source>   图片太小，无法做成绣图：宽至少要3个像素，高至少要2个像素   </source>
        <translation>   The picture is too small for a chart: it must be at least 3 pixels wide and 2 pixels high   </translation>
    </message>
    <message>
        <source>   图片太细长，无法做成绣图：高度不能超过宽度的16倍   </source>
        <translation>   The picture is too narrow for a chart: its height may be at most 16 times its width   </translation>
    </message>
    <message>
        <source>    绣图颜色超过240种，符号不够用，请减色后再生成。。。 </source>
        <translation>    The chart has more than 240 colours, more than there are symbols. Reduce them, then make it again... </translation>
    </message>
    <message>
        <source>    绣图颜色太多，请减色后再生成。。。 </source>
        <translation>    The chart has too many colours. Reduce them, then make it again... </translation>
    </message>
    <message>
        <source>不能识别的位图！</source>
        <translation>Unknown bitmap!</translation>
    </message>
    <message>
        <source>无法写入临时文件 tmppicv.bmp，请确认当前文件夹或用户的缓存文件夹可以写入。绣图没有改变。</source>
        <translation>Cannot write the working file tmppicv.bmp. Make sure the current folder or your cache folder is writable. The chart was not changed.</translation>
    </message>
    <message>
        <source>无法保存绣图效果图：</source>
        <translation>Cannot save the preview picture: </translation>
    </message>
    <message>
        <source>无法写入临时文件 %1，请确认当前文件夹或用户的缓存文件夹可以写入。</source>
        <translation>Cannot write the working file %1. Make sure the current folder or your cache folder is writable.</translation>
    </message>
    <message>
        <source>我的图片</source>
        <translation>My picture</translation>
    </message>
    <message>
        <source>局部</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>全图</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>选中它，就可以通过滚动条直接改变绣图的大小</source>
        <translation>Resize the chart with the scroll bars</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>保存效果</source>
        <translation>Save preview</translation>
    </message>
    <message>
        <source>效果预览-&gt;</source>
        <translation>Preview -&gt;</translation>
    </message>
    <message>
        <source>导入图片</source>
        <translation>Open picture</translation>
    </message>
    <message>
        <source>绣图图库</source>
        <translation>Gallery</translation>
    </message>
    <message>
        <source>绣图设置</source>
        <translation>Chart settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>超级减色</source>
        <translation>Reduce</translation>
    </message>
    <message>
        <source>还原色彩</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>在这里输入你的文字</source>
        <translation>Type your text here</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>导入图片文件</source>
        <translation>Open picture file</translation>
    </message>
    <message>
        <source>直接屏幕截图</source>
        <translation>Capture the screen</translation>
    </message>
    <message>
        <source>生成我的绣图</source>
        <translation>Make my chart</translation>
    </message>
    <message>
        <source>打印绣图</source>
        <translation>Print chart</translation>
    </message>
    <message>
        <source>退出Pavlenta</source>
        <translation>Quit Pavlenta</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>关于...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>准备开始生成绣图,请等待约10秒 ...</source>
        <translation>Getting ready to make the chart, about 10 seconds ...</translation>
    </message>
    <message>
        <source>可忽略颜色出现次数</source>
        <translation>Ignore colours used fewer times than</translation>
    </message>
    <message>
        <source>显示全部色块</source>
        <translation>Show all blocks</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>打印..</source>
        <translation>Print..</translation>
    </message>
    <message>
        <source>输入有错误,只能是数字</source>
        <translation>Wrong input: numbers only</translation>
    </message>
    <message>
        <source>  窗口中是打开的绣图文件。生成会用主窗口的图片做一张新绣图替换它，继续吗？  </source>
        <translation>  The window shows a chart opened from a file. "Make" replaces it with a new chart of the main window's picture. Go on?  </translation>
    </message>
    <message>
        <source>  当前的绣图还没有保存，打开绣图文件会替换它，继续吗？  </source>
        <translation>  The chart shown has not been saved. Opening a chart file replaces it. Go on?  </translation>
    </message>
    <message>
        <source>  没有找到打印机。请用“导出PDF”把绣图保存为PDF文件。  </source>
        <translation>  No printer was found. Use "Export PDF" to save the chart as a PDF file.  </translation>
    </message>
    <message>
        <source>移动鼠标让红框框住要截取的部分，单击左键截取；按Esc取消</source>
        <translation>Move the mouse until the red frame holds the part to capture, then click the left button; Esc cancels</translation>
    </message>
    <message>
        <source>使用说明</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>  找不到使用说明文件README.md，也无法打开它。  </source>
        <translation>  The manual README.md cannot be found or opened.  </translation>
    </message>
    <message>
        <source>  还没有绣图可以保存，请先按“生成”。  </source>
        <translation>  There is no chart to save yet: press "Make" first.  </translation>
    </message>
    <message>
        <source>  绣图文件保存成功在</source>
        <translation>  Chart saved as </translation>
    </message>
    <message>
        <source>  绣图文件没有保存：</source>
        <translation>  The chart was not saved: </translation>
    </message>
    <message>
        <source>  PDF文件没有保存：</source>
        <translation>  The PDF was not saved: </translation>
    </message>
    <message>
        <source>  PDF文件保存成功在</source>
        <translation>  PDF saved as </translation>
    </message>
    <message>
        <source>生成绣图色块</source>
        <translation>Blocks and symbols</translation>
    </message>
    <message>
        <source>无色块绣图</source>
        <translation>Symbols only</translation>
    </message>
    <message>
        <source>仅生成色块</source>
        <translation>Blocks only</translation>
    </message>
    <message>
        <source>设置生成绣图的属性：</source>
        <translation>Settings for making the chart:</translation>
    </message>
    <message>
        <source>绣线类别：</source>
        <translation>Threads:</translation>
    </message>
    <message>
        <source>绣图名称：</source>
        <translation>Chart name:</translation>
    </message>
    <message>
        <source>自动减色功能：</source>
        <translation>Auto reduce:</translation>
    </message>
    <message>
        <source>减色方法：</source>
        <translation>Reduce for:</translation>
    </message>
    <message>
        <source>强制减色：</source>
        <translation>Force colours:</translation>
    </message>
    <message>
        <source>给你的绣图起个名字</source>
        <translation>Name your chart</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>灰度图片</source>
        <translation>Grey picture</translation>
    </message>
    <message>
        <source>低分辨彩色图</source>
        <translation>Low-res colour</translation>
    </message>
    <message>
        <source>高清黑白图片</source>
        <translation>Sharp black and white</translation>
    </message>
    <message>
        <source>高分辨彩色图</source>
        <translation>High-res colour</translation>
    </message>
    <message>
        <source>不做减色处理</source>
        <translation>No reduction</translation>
    </message>
    <message>
        <source>不使用</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>色</source>
        <translation> colours</translation>
    </message>
    <message>
        <source>  注意：强制减色功能还在测试完善中，请期待...   </source>
        <translation>  Note: forced colours is still being tested and improved. Stay tuned...   </translation>
    </message>
    <message>
        <source>  强制减色的颜色数不是有效的数字，请重新输入。  </source>
        <translation>  The number of forced colours is not a valid number. Please type it again.  </translation>
    </message>
    <message>
        <source>智能配色：</source>
        <translation>Best threads:</translation>
    </message>
    <message>
        <source>抖动：</source>
        <translation>Dithering:</translation>
    </message>
    <message>
        <source>清除孤立针：</source>
        <translation>Lone stitches:</translation>
    </message>
    <message>
        <source>匹配方法：</source>
        <translation>Matching:</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>轻</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>强</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>感知(CIEDE2000)</source>
        <translation>Perceptual (CIEDE2000)</translation>
    </message>
    <message>
        <source>允许特殊绣线（金属、夜光、段染）</source>
        <translation>Allow specialty threads (metallic, glow, variegated)</translation>
    </message>
    <message>
        <source>DMC 全色</source>
        <translation>DMC all colours</translation>
    </message>
    <message>
        <source>  输入有错误：智能配色只能是“不使用”或2到100的数字  </source>
        <translation>  Wrong input: best threads can only be “Off” or a number from 2 to 100  </translation>
    </message>
    <message>
        <source>  输入有错误：抖动只能选“无”、“Floyd-Steinberg”或“Atkinson”  </source>
        <translation>  Wrong input: dithering can only be “None”, “Floyd-Steinberg” or “Atkinson”  </translation>
    </message>
    <message>
        <source>  输入有错误：清除孤立针只能选“关”、“轻”或“强”  </source>
        <translation>  Wrong input: lone stitches can only be “Keep”, “Light” or “Strong”  </translation>
    </message>
    <message>
        <source>  输入有错误：匹配方法只能选“RGB”或“感知(CIEDE2000)”  </source>
        <translation>  Wrong input: matching can only be “RGB” or “Perceptual (CIEDE2000)”  </translation>
    </message>
    <message>
        <source>平均色差 %1，孤立针 %2%</source>
        <translation>Mean colour difference %1, lone stitches %2%</translation>
    </message>
    <message>
        <source>==确定==</source>
        <translation>==OK==</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>选择转换成绣图的图片或则照片：</source>
        <translation>Choose a picture or photo to turn into a chart:</translation>
    </message>
    <message>
        <source>Pavlenta 绣图图库       -Korvane inc.</source>
        <translation>Pavlenta Chart Gallery       -Korvane inc.</translation>
    </message>
    <message>
        <source>应用Apply)</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   </source>
        <translation>   Cannot open this picture file. It must be a jpg, gif or bmp file.   </translation>
    </message>
    <message>
        <source>   图片文件不完整，无法打开   </source>
        <translation>   The picture file is incomplete and cannot be opened   </translation>
    </message>
    <message>
        <source>   图片尺寸太大，无法打开   </source>
        <translation>   The picture is too large to open   </translation>
    </message>
    <message>
        <source>驱动器没有准备好，无法打开：</source>
        <translation>The drive is not ready and cannot be opened: </translation>
    </message>
    <message>
        <source>无法截取屏幕：当前的显示环境不允许本程序读取屏幕画面。</source>
        <translation>Cannot capture the screen: this display does not let the program read the screen.</translation>
    </message>
    <message>
        <source>动漫</source>
        <translation>Cartoons</translation>
    </message>
    <message>
        <source>美女</source>
        <translation>Beauties</translation>
    </message>
    <message>
        <source>汽车</source>
        <translation>Cars</translation>
    </message>
    <message>
        <source>星座</source>
        <translation>Constellations</translation>
    </message>
    <message>
        <source>动物</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>风景</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>艺术</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>数量：</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>点击替换颜色</source>
        <translation>Click to replace the colour</translation>
    </message>
    <message>
        <source>替换颜色</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>目标颜色</source>
        <translation>With</translation>
    </message>
    <message>
        <source>&lt;－替换</source>
        <translation>&lt;- Replace</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>颜色总数：%1  替换%2 处</source>
        <translation>Colours: %1  replaced: %2</translation>
    </message>
    <message>
        <source>绣图颜色替换－用来减少绣图颜色</source>
        <translation>Replace chart colours - to use fewer colours</translation>
    </message>
    <message>
        <source>颜色总数：0 替换0处</source>
        <translation>Colours: 0  replaced: 0</translation>
    </message>
    <message>
        <source>我的绣图</source>
        <translation>My chart</translation>
    </message>
    <message>
        <source>正在生成打印文档，请等待....</source>
        <translation>Preparing the print document, please wait....</translation>
    </message>
    <message>
        <source>正在绘制网格，请等待....</source>
        <translation>Drawing the grid, please wait....</translation>
    </message>
    <message>
        <source>正在绘制绣线表格，请等待....</source>
        <translation>Drawing the thread table, please wait....</translation>
    </message>
    <message>
        <source>正在绘制绣线符号，请等待....</source>
        <translation>Drawing the symbols, please wait....</translation>
    </message>
    <message>
        <source>正在打印，请等待....</source>
        <translation>Printing, please wait....</translation>
    </message>
    <message>
        <source>    打印异常，请确认您的打印机已经就绪。     </source>
        <translation>    Printing failed. Please make sure your printer is ready.     </translation>
    </message>
    <message>
        <source>正在创建颜色索引......</source>
        <translation>Building the colour index......</translation>
    </message>
    <message>
        <source>正在计算颜色数目等信息......</source>
        <translation>Counting the colours......</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>磁盘是只读的</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>磁盘空间配额已用完</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>已有同名的文件夹</source>
        <translation>a folder of that name exists</translation>
    </message>
    <message>
        <source>文件名太长</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>打开的文件太多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>文件正在被使用</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>系统错误：</source>
        <translation>system error: </translation>
    </message>
    <message>
        <source>符号</source>
        <translation>Sym</translation>
    </message>
    <message>
        <source>线号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>绣线:%1  颜色数：%2   宽x高：%3x%4</source>
        <translation>Threads: %1  Colours: %2   Width x height: %3x%4</translation>
    </message>
    <message>
        <source>注:全部线量总和为%1，线量不是某种长度单位，只是用来说明各颜色线所占比例.</source>
        <translation>Note: the thread amounts add up to %1. They are not a length, only each colour's share.</translation>
    </message>
    <message>
        <source>打开绣图文件...</source>
        <translation>Open chart file...</translation>
    </message>
    <message>
        <source>保存绣图文件...</source>
        <translation>Save chart file...</translation>
    </message>
    <message>
        <source>编辑颜色</source>
        <translation>Edit colours</translation>
    </message>
    <message>
        <source>OXS绣图文件 (*.oxs)</source>
        <translation>OXS chart files (*.oxs)</translation>
    </message>
    <message>
        <source>  绣图文件不能打开：</source>
        <translation>  Cannot open the chart file: </translation>
    </message>
    <message>
        <source>    正在生成或打印绣图，请稍后再打开绣图文件。 </source>
        <translation>    A chart is being made or printed. Open the chart file afterwards. </translation>
    </message>
    <message>
        <source>绣图文件中有 %1 处注释或其他内容未显示，保存时原样保留。</source>
        <translation>The chart file has %1 notes or other items that are not shown; saving keeps them as they are.</translation>
    </message>
    <message>
        <source>绣图文件中有 %1 处同一格上的重复全针，只保留了每格的第一针。</source>
        <translation>The chart file has %1 repeated full stitches on cells that already had one; the first stitch of each cell is kept.</translation>
    </message>
    <message>
        <source>绣图文件中有 %1 种颜色的符号与其他颜色重复，已换成不同的符号。</source>
        <translation>The chart file gives %1 colours the symbol of another colour; they now have symbols of their own.</translation>
    </message>
    <message>
        <source>文件不能读取。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>文件太大，不是绣图文件。</source>
        <translation>The file is too large to be a chart file.</translation>
    </message>
    <message>
        <source>文件不是XML格式的绣图文件，或者内容有损坏。</source>
        <translation>The file is not an XML chart file, or it is damaged.</translation>
    </message>
    <message>
        <source>文件不完整，可能没有下载或复制完。</source>
        <translation>The file is incomplete; it may not have been fully downloaded or copied.</translation>
    </message>
    <message>
        <source>文件含有文档类型定义(DTD)，为了安全不能打开。</source>
        <translation>The file contains a document type definition (DTD) and is not opened, for safety.</translation>
    </message>
    <message>
        <source>文件不是OXS绣图文件。</source>
        <translation>The file is not an OXS chart file.</translation>
    </message>
    <message>
        <source>文件中绣图的宽度或高度缺失或有误。</source>
        <translation>The chart's width or height in the file is missing or wrong.</translation>
    </message>
    <message>
        <source>绣图超过 2000 x 2000 针，不能打开。</source>
        <translation>The chart is larger than 2000 x 2000 stitches and cannot be opened.</translation>
    </message>
    <message>
        <source>文件中的颜色表有误（缺少底布、序号重复或颜色有误）。</source>
        <translation>The colour table in the file is wrong (no fabric, repeated numbers or bad colours).</translation>
    </message>
    <message>
        <source>文件中的颜色超过500种。</source>
        <translation>The file has more than 500 colours.</translation>
    </message>
    <message>
        <source>文件中有针法的位置缺失或有误。</source>
        <translation>A stitch in the file has a missing or wrong position.</translation>
    </message>
    <message>
        <source>文件中有针法超出绣图范围。</source>
        <translation>A stitch in the file lies outside the chart.</translation>
    </message>
    <message>
        <source>文件中有针法使用了颜色表里没有的颜色。</source>
        <translation>A stitch in the file uses a colour that is not in the colour table.</translation>
    </message>
    <message>
        <source>文件内容太多或层次太深，不像绣图文件。</source>
        <translation>The file has too many or too deeply nested parts to be a chart file.</translation>
    </message>
    <message>
        <source>文件中有的项目属性太多，不像绣图文件。</source>
        <translation>A part of the file has too many attributes to be a chart file.</translation>
    </message>
    <message>
        <source>文件中的回针总长度超过了这样大小的绣图所需，不像绣图文件。</source>
        <translation>The back stitches in the file are longer together than a chart of its size needs.</translation>
    </message>
    <message>
        <source>文件中的标题、名称、编号或其他文字太长，不像绣图文件。</source>
        <translation>A title, name, number or other text in the file is too long for a chart file.</translation>
    </message>
    <message>
        <source>文件不能写入。</source>
        <translation>The file cannot be written.</translation>
    </message>
    <message>
        <source>分页图样...</source>
        <translation>Multi-page pattern...</translation>
    </message>
    <message>
        <source>分页图样</source>
        <translation>Multi-page pattern</translation>
    </message>
    <message>
        <source>版式</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>One page</translation>
    </message>
    <message>
        <source>纸张</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>自动（页数最少）</source>
        <translation>Automatic (fewest pages)</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>每格大小</source>
        <translation>Cell size</translation>
    </message>
    <message>
        <source> 毫米</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>页间重复</source>
        <translation>Repeated</translation>
    </message>
    <message>
        <source> 针</source>
        <translation> stitches</translation>
    </message>
    <message>
        <source>绣布</source>
        <translation>Fabric</translation>
    </message>
    <message>
        <source>股数</source>
        <translation>Strands</translation>
    </message>
    <message>
        <source> 股</source>
        <translation> strands</translation>
    </message>
    <message>
        <source>黑白（不印色块）</source>
        <translation>Black and white (no colour blocks)</translation>
    </message>
    <message>
        <source>图样预览：第 %1 / %2 页</source>
        <translation>Preview: page %1 of %2</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>每格大小只能是 %1 到 %2 毫米</source>
        <translation>The cell size must be from %1 to %2 mm</translation>
    </message>
    <message>
        <source>打印...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>导出PDF...</source>
        <translation>Export PDF...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>共 %1 页（图样 %2 页），成品 %3 × %4 厘米（%5 × %6 英寸）</source>
        <translation>%1 pages (%2 chart pages), finished size %3 × %4 cm (%5 × %6 in)</translation>
    </message>
    <message>
        <source>共 1 页：整张绣图缩印在一页纸上</source>
        <translation>1 page: the whole chart scaled onto one sheet</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>列 %1–%2，行 %3–%4</source>
        <translation>Columns %1–%2, rows %3–%4</translation>
    </message>
    <message>
        <source>尺寸：%1 × %2 针</source>
        <translation>Size: %1 × %2 stitches</translation>
    </message>
    <message>
        <source>成品尺寸：%1 × %2 厘米（%3 × %4 英寸），%5</source>
        <translation>Finished size: %1 × %2 cm (%3 × %4 in) on %5</translation>
    </message>
    <message>
        <source>%1CT 十字绣布</source>
        <translation>%1-count Aida</translation>
    </message>
    <message>
        <source>%1CT 平纹布（跨两纱绣）</source>
        <translation>%1-count evenweave (over two)</translation>
    </message>
    <message>
        <source>绣线：%1 %2 色，%3 股线</source>
        <translation>Threads: %1, %2 colours, %3 strands</translation>
    </message>
    <message>
        <source>共 %1 页：封面 1 页，图样 %2 页（第 %3–%4 页），绣线用量表 %5 页</source>
        <translation>%1 pages: the cover, %2 chart pages (pages %3–%4), %5 thread list pages</translation>
    </message>
    <message>
        <source>图样分页（框内为页码）</source>
        <translation>Page map (each part shows its page number)</translation>
    </message>
    <message>
        <source>绣线用量表</source>
        <translation>Thread list</translation>
    </message>
    <message>
        <source>色样</source>
        <translation>Swatch</translation>
    </message>
    <message>
        <source>针数</source>
        <translation>Stitches</translation>
    </message>
    <message>
        <source>支数</source>
        <translation>Skeins</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 色</source>
        <translation>%1 colours</translation>
    </message>
    <message>
        <source>；虚线左侧 %1 列与第 %2 页重复</source>
        <translation>; the %1 columns left of the dashed line repeat page %2</translation>
    </message>
    <message>
        <source>；虚线上方 %1 行与第 %2 页重复</source>
        <translation>; the %1 rows above the dashed line repeat page %2</translation>
    </message>
    <message>
        <source>接第 %1 页</source>
        <translation>Continues on page %1</translation>
    </message>
    <message>
        <source>裁布：%1 × %2 厘米（图案四周各留 5 厘米）</source>
        <translation>Fabric to cut: %1 × %2 cm (5 cm around the design)</translation>
    </message>
    <message>
        <source>颜色名称</source>
        <translation>Colour name</translation>
    </message>
    <message>
        <source>用线（米）</source>
        <translation>Length (m)</translation>
    </message>
    <message>
        <source>（金属线）</source>
        <translation> (metallic)</translation>
    </message>
    <message>
        <source>支数按常用估算：每支 8 米（6 股），在 14CT 布上用 2 股绣 1800 个十字针；按 %1、%2 股折算。</source>
        <translation>Skeins by the usual rule: a skein (8 m of 6 strands) makes 1,800 crosses on 14-count in 2 strands; scaled here to %1 with %2 strands.</translation>
    </message>
    <message>
        <source>孤立针（上下左右无同色针）每占一成，多备一成线；回针按长度另计，线号相同的绣线合为一行。</source>
        <translation>Each tenth of a thread's stitches standing alone (no neighbour of its colour) adds a tenth more thread; back stitch is reckoned by its length; threads of one number share a row.</translation>
    </message>
    <message>
        <source>易辨符号</source>
        <translation>Distinct symbols</translation>
    </message>
    <message>
        <source>与绣图相同</source>
        <translation>As on the chart</translation>
    </message>
    <message>
        <source>每格改为 %1 毫米，图样只需 %2 页</source>
        <translation>At %1 mm a cell the chart takes only %2 pages</translation>
    </message>
    <message>
        <source>采用</source>
        <translation>Use it</translation>
    </message>
    <message>
        <source>这张绣图有 %1% 的针是孤立针（上下左右无同色针），绣起来费线费时。</source>
        <translation>%1% of this chart's stitches stand alone (no neighbour of their colour): slow to stitch and costly in thread.</translation>
    </message>
    <message>
        <source>用智能配色重新生成（30 色，轻度清理）</source>
        <translation>Remake with best threads (30 colours, light cleanup)</translation>
    </message>
    <message>
        <source>未能画出：%1（保存绣图文件时原样保留）</source>
        <translation>Not drawn: %1 (kept as they were when the chart file is saved)</translation>
    </message>
    <message>
        <source>回针</source>
        <translation>back stitch</translation>
    </message>
    <message>
        <source>法式结</source>
        <translation>French knot</translation>
    </message>
    <message>
        <source>珠子</source>
        <translation>bead</translation>
    </message>
</context>
</TS>
