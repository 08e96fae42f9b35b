<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>pixmint</name>
    <message>
        <source>无标题(图标)</source>
        <translation>Untitled (icon)</translation>
    </message>
    <message>
        <source>Pixmint 必须工作在真彩色的显示模式下.</source>
        <translation>Pixmint needs a true-colour display mode.</translation>
    </message>
    <message>
        <source>请设置显示模式为 16 位真彩或更高并重启 Pixmint.</source>
        <translation>Please set the display to 16-bit colour or more and start Pixmint again.</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>新建图标 (Ctrl + N)</source>
        <translation>New Icon (Ctrl + N)</translation>
    </message>
    <message>
        <source>打开图标 (Ctrl + O)</source>
        <translation>Open Icon (Ctrl + O)</translation>
    </message>
    <message>
        <source>保存图标 (Ctrl + S)</source>
        <translation>Save Icon (Ctrl + S)</translation>
    </message>
    <message>
        <source>撤销 (Ctrl + Z)</source>
        <translation>Undo (Ctrl + Z)</translation>
    </message>
    <message>
        <source>重做 (Ctrl + Y)</source>
        <translation>Redo (Ctrl + Y)</translation>
    </message>
    <message>
        <source>剪切 (Ctrl + X)</source>
        <translation>Cut (Ctrl + X)</translation>
    </message>
    <message>
        <source>复制 (Ctrl + C)</source>
        <translation>Copy (Ctrl + C)</translation>
    </message>
    <message>
        <source>粘贴 (Ctrl + V)</source>
        <translation>Paste (Ctrl + V)</translation>
    </message>
    <message>
        <source>删除选择区 (Del) </source>
        <translation>Delete Selection (Del) </translation>
    </message>
    <message>
        <source>放大 (Num +)</source>
        <translation>Zoom In (Num +)</translation>
    </message>
    <message>
        <source>自动缩放 (Num *)</source>
        <translation>Zoom to Fit (Num *)</translation>
    </message>
    <message>
        <source>缩小 (Num -)</source>
        <translation>Zoom Out (Num -)</translation>
    </message>
    <message>
        <source>RGB 模式</source>
        <translation>RGB Mode</translation>
    </message>
    <message>
        <source>Alpha 模式 (适合 32 位图标)</source>
        <translation>Alpha Mode (for 32-bit icons)</translation>
    </message>
    <message>
        <source>提取/替换 EXE 图标</source>
        <translation>Extract/Replace EXE Icons</translation>
    </message>
    <message>
        <source>转换图像为图标</source>
        <translation>Convert Pictures to Icons</translation>
    </message>
    <message>
        <source>帮助 (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Pixmint 在 Web</source>
        <translation>Pixmint on the Web</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>图像(&amp;I)</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>特效(&amp;C)</source>
        <translation>Effe&amp;cts</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>新建...</source>
        <translation>New...</translation>
    </message>
    <message>
        <source>图标</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>指针</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>另存为...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>设置...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>删除选择区</source>
        <translation>Delete Selection</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>自动缩放</source>
        <translation>Zoom to Fit</translation>
    </message>
    <message>
        <source>新的图像</source>
        <translation>New Image</translation>
    </message>
    <message>
        <source>删除图像</source>
        <translation>Delete Image</translation>
    </message>
    <message>
        <source>复制图像</source>
        <translation>Duplicate Image</translation>
    </message>
    <message>
        <source>转换图像格式</source>
        <translation>Convert Image Format</translation>
    </message>
    <message>
        <source>Alpha 模式 (针对 32 位)</source>
        <translation>Alpha Mode (for 32 bits)</translation>
    </message>
    <message>
        <source>水平翻转</source>
        <translation>Flip Horizontally</translation>
    </message>
    <message>
        <source>垂直翻转</source>
        <translation>Flip Vertically</translation>
    </message>
    <message>
        <source>任意旋转</source>
        <translation>Rotate by Angle</translation>
    </message>
    <message>
        <source>向右旋转 90 度</source>
        <translation>Rotate 90 Degrees Right</translation>
    </message>
    <message>
        <source>向左旋转 90 度</source>
        <translation>Rotate 90 Degrees Left</translation>
    </message>
    <message>
        <source>旋转 180 度</source>
        <translation>Rotate 180 Degrees</translation>
    </message>
    <message>
        <source>转换图片为图标</source>
        <translation>Convert Pictures to Icons</translation>
    </message>
    <message>
        <source>设置指针热点</source>
        <translation>Set Cursor Hot Spot</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>写信给我们</source>
        <translation>Write to Us</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>合并向下</source>
        <translation>Merge Down</translation>
    </message>
    <message>
        <source>添加图像</source>
        <translation>Add Image</translation>
    </message>
    <message>
        <source>度数 (0-360)</source>
        <translation>Degrees (0-360)</translation>
    </message>
    <message>
        <source>工具选项</source>
        <translation>Tool Options</translation>
    </message>
    <message>
        <source>不透明</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>不透明:</source>
        <translation>Opacity:</translation>
    </message>
    <message>
        <source>前景颜色</source>
        <translation>Foreground Colour</translation>
    </message>
    <message>
        <source>背景颜色</source>
        <translation>Background Colour</translation>
    </message>
    <message>
        <source>默认前景/背景颜色</source>
        <translation>Default Foreground/Background Colours</translation>
    </message>
    <message>
        <source>反向颜色 (针对 1 至 24 位的指针图像)</source>
        <translation>Inverting Colour (for 1- to 24-bit cursor images)</translation>
    </message>
    <message>
        <source>透明颜色</source>
        <translation>Transparent Colour</translation>
    </message>
    <message>
        <source>当前图像预览:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>分支图像数量:</source>
        <translation>Images:</translation>
    </message>
    <message>
        <source>分支图像的数量:  %1</source>
        <translation>Images:  %1</translation>
    </message>
    <message>
        <source>添加新的图像</source>
        <translation>Add New Image</translation>
    </message>
    <message>
        <source>%1 位 </source>
        <translation>%1 bits </translation>
    </message>
    <message>
        <source>大小 </source>
        <translation>Size </translation>
    </message>
    <message>
        <source>16 x 16 (小图标)</source>
        <translation>16 x 16 (small icon)</translation>
    </message>
    <message>
        <source>24 x 24 (小图标)</source>
        <translation>24 x 24 (small icon)</translation>
    </message>
    <message>
        <source>32 x 32 (标准图标)</source>
        <translation>32 x 32 (standard icon)</translation>
    </message>
    <message>
        <source>48 x 48 (标准 XP 图标)</source>
        <translation>48 x 48 (standard XP icon)</translation>
    </message>
    <message>
        <source>定制 </source>
        <translation>Custom </translation>
    </message>
    <message>
        <source>定制大小 </source>
        <translation>Custom Size </translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>正方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>色彩 </source>
        <translation>Colours </translation>
    </message>
    <message>
        <source>单色 (2 色)</source>
        <translation>Monochrome (2 colours)</translation>
    </message>
    <message>
        <source>4 位 (16 色)</source>
        <translation>4 bits (16 colours)</translation>
    </message>
    <message>
        <source>8 位 (256 色)</source>
        <translation>8 bits (256 colours)</translation>
    </message>
    <message>
        <source>16 位 (高彩色)</source>
        <translation>16 bits (high colour)</translation>
    </message>
    <message>
        <source>24 位 (真彩色)</source>
        <translation>24 bits (true colour)</translation>
    </message>
    <message>
        <source>32 位 (使用 Alpha 通道真彩色)</source>
        <translation>32 bits (true colour with alpha)</translation>
    </message>
    <message>
        <source>设为默认值(&amp;S)</source>
        <translation>&amp;Set as Default</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>测试指针热点</source>
        <translation>Test Cursor Hot Spot</translation>
    </message>
    <message>
        <source>指针热点:</source>
        <translation>Hot spot:</translation>
    </message>
    <message>
        <source>测试(&amp;T)</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>当拖曳或鼠标在画布上移动时点击 &quot;测试&quot;.</source>
        <translation>Click &quot;Test&quot; while dragging or moving the mouse over the canvas.</translation>
    </message>
    <message>
        <source>在剪切板选择图片的一部份</source>
        <translation>Choose a Part of the Clipboard Picture</translation>
    </message>
    <message>
        <source>选择区</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>左:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>上:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>宽:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>伸展</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>添加文字</source>
        <translation>Add Text</translation>
    </message>
    <message>
        <source>文字:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>字体(&amp;F)...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>预览:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>背景颜色:</source>
        <translation>Backdrop:</translation>
    </message>
    <message>
        <source>反向颜色:</source>
        <translation>Inverting:</translation>
    </message>
    <message>
        <source>定制...</source>
        <translation>Custom...</translation>
    </message>
    <message>
        <source>默认新图标大小:</source>
        <translation>New image size:</translation>
    </message>
    <message>
        <source>默认新图标色度:</source>
        <translation>New image depth:</translation>
    </message>
    <message>
        <source>默认(&amp;D)</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>语言:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>所有设置将在下次启动时生效.</source>
        <translation>All settings take effect at the next start.</translation>
    </message>
    <message>
        <source>所有设置在下次启动时生效.</source>
        <translation>All settings take effect at the next start.</translation>
    </message>
    <message>
        <source> 1 位 (2 色)</source>
        <translation> 1 bit (2 colours)</translation>
    </message>
    <message>
        <source> 4 位 (16 色)</source>
        <translation> 4 bits (16 colours)</translation>
    </message>
    <message>
        <source> 8 位 (256 色)</source>
        <translation> 8 bits (256 colours)</translation>
    </message>
    <message>
        <source>32 位 (真彩色)</source>
        <translation>32 bits (true colour)</translation>
    </message>
    <message>
        <source>关于 Kavoltrix Pixmint</source>
        <translation>About Kavoltrix Pixmint</translation>
    </message>
    <message>
        <source>版本: 3.0</source>
        <translation>Version: 3.0</translation>
    </message>
    <message>
        <source>无标题(指针)</source>
        <translation>Untitled (cursor)</translation>
    </message>
    <message>
        <source>保存文件成功.</source>
        <translation>File saved.</translation>
    </message>
    <message>
        <source>保存文件失败.</source>
        <translation>Saving the file failed.</translation>
    </message>
    <message>
        <source>保存文件失败: %1. 用“另存为”可以把它保存到别的地方.</source>
        <translation>Saving the file failed: %1. Save As can save it somewhere else.</translation>
    </message>
    <message>
        <source>导出为 Xcursor 文件</source>
        <translation>Export as Xcursor File</translation>
    </message>
    <message>
        <source>没有可以显示手册的浏览器. 手册在: %1</source>
        <translation>No browser could show the manual. The manual is at: %1</translation>
    </message>
    <message>
        <source>没有找到手册.</source>
        <translation>The manual was not found.</translation>
    </message>
    <message>
        <source>从文件载入图标失败.</source>
        <translation>Loading the icon from the file failed.</translation>
    </message>
    <message>
        <source>%1 的上次保存没有完成, 已恢复保存之前的内容.</source>
        <translation>The last save of %1 did not finish; its content from before that save has been restored.</translation>
    </message>
    <message>
        <source>%1 的上次保存没有完成, 保存之前的内容在 %2 (%3).</source>
        <translation>The last save of %1 did not finish; its content from before that save is kept in %2 (%3).</translation>
    </message>
    <message>
        <source>创建新的图标失败.</source>
        <translation>Creating a new icon failed.</translation>
    </message>
    <message>
        <source>图标文件(*.ico)|*.ico</source>
        <translation>Icon files (*.ico)|*.ico</translation>
    </message>
    <message>
        <source>指针文件(*.cur)|*.cur</source>
        <translation>Cursor files (*.cur)|*.cur</translation>
    </message>
    <message>
        <source>保存 %1 ?</source>
        <translation>Save %1?</translation>
    </message>
    <message>
        <source>添加新图像失败.</source>
        <translation>Adding a new image failed.</translation>
    </message>
    <message>
        <source>删除当前图像失败.</source>
        <translation>Deleting the current image failed.</translation>
    </message>
    <message>
        <source>改变图像的格式 (原始:          %1x%2 %3位 )</source>
        <translation>Change Image Format (original: %1x%2, %3 bits)</translation>
    </message>
    <message>
        <source>改变图像的格式 失败.</source>
        <translation>Changing the image format failed.</translation>
    </message>
    <message>
        <source>复制图像失败.</source>
        <translation>Duplicating the image failed.</translation>
    </message>
    <message>
        <source>一个文件最多只能有 32 个图像.</source>
        <translation>A file can hold at most 32 images.</translation>
    </message>
    <message>
        <source>无效的度数.</source>
        <translation>Invalid angle.</translation>
    </message>
    <message>
        <source>无法保存撤销记录, 这一步不能撤销.</source>
        <translation>The undo record cannot be saved; this step cannot be undone.</translation>
    </message>
    <message>
        <source>无法读取撤销记录.</source>
        <translation>The undo record cannot be read.</translation>
    </message>
    <message>
        <source>画笔 (Y)</source>
        <translation>Pencil (Y)</translation>
    </message>
    <message>
        <source>刷子 (B)</source>
        <translation>Brush (B)</translation>
    </message>
    <message>
        <source>直线 (N)</source>
        <translation>Line (N)</translation>
    </message>
    <message>
        <source>曲线 (C)</source>
        <translation>Curve (C)</translation>
    </message>
    <message>
        <source>矩形填充</source>
        <translation>Filled Rectangle</translation>
    </message>
    <message>
        <source>矩形 (R)</source>
        <translation>Rectangle (R)</translation>
    </message>
    <message>
        <source>圆角矩形填充</source>
        <translation>Filled Rounded Rectangle</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Rounded Rectangle</translation>
    </message>
    <message>
        <source>椭圆填充</source>
        <translation>Filled Ellipse</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>橡皮擦 (E)</source>
        <translation>Eraser (E)</translation>
    </message>
    <message>
        <source>填充器 (K)</source>
        <translation>Fill (K)</translation>
    </message>
    <message>
        <source>吸管 (I)</source>
        <translation>Colour Picker (I)</translation>
    </message>
    <message>
        <source>喷雾器 (A)</source>
        <translation>Airbrush (A)</translation>
    </message>
    <message>
        <source>文字 (T)</source>
        <translation>Text (T)</translation>
    </message>
    <message>
        <source>移动和刻度 (V)</source>
        <translation>Move and Scale (V)</translation>
    </message>
    <message>
        <source>选取框 (M)</source>
        <translation>Marquee (M)</translation>
    </message>
    <message>
        <source>套索 (L)</source>
        <translation>Lasso (L)</translation>
    </message>
    <message>
        <source>图片:</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>添加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>移除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>大小:</source>
        <translation>Sizes:</translation>
    </message>
    <message>
        <source>其他大小:</source>
        <translation>Other sizes:</translation>
    </message>
    <message>
        <source>色度:</source>
        <translation>Depths:</translation>
    </message>
    <message>
        <source>透明阈值:</source>
        <translation>Transparency threshold:</translation>
    </message>
    <message>
        <source>抖动</source>
        <translation>Dither</translation>
    </message>
    <message>
        <source>指针热点 (第一张图片):</source>
        <translation>Hot spot (first picture):</translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>在编辑器中打开(&amp;E)</source>
        <translation>Open in &amp;Editor</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp *.svg *.svgz)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.bmp *.svg *.svgz)</translation>
    </message>
    <message>
        <source>%1 x %1 由 %2 放大.</source>
        <translation>%1 x %1 enlarged from %2.</translation>
    </message>
    <message>
        <source>%1 x %2, %3 位</source>
        <translation>%1 x %2, %3 bits</translation>
    </message>
    <message>
        <source>已保存: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>无法保存 %1</source>
        <translation>Cannot save %1</translation>
    </message>
    <message>
        <source>打开程序(&amp;O)...</source>
        <translation>&amp;Open Program...</translation>
    </message>
    <message>
        <source>程序:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>图标和指针:</source>
        <translation>Icons and cursors:</translation>
    </message>
    <message>
        <source>替换(&amp;R)...</source>
        <translation>&amp;Replace...</translation>
    </message>
    <message>
        <source>程序文件 (*.exe *.dll *.cpl *.ocx *.scr *.mun);;所有文件 (*)</source>
        <translation>Programs (*.exe *.dll *.cpl *.ocx *.scr *.mun);;All files (*)</translation>
    </message>
    <message>
        <source>图标 %1 (语言 %2), %3 个图像</source>
        <translation>Icon %1 (language %2), %3 image(s)</translation>
    </message>
    <message>
        <source>指针 %1 (语言 %2), %3 个图像</source>
        <translation>Cursor %1 (language %2), %3 image(s)</translation>
    </message>
    <message>
        <source>%1 (无法读取: %2)</source>
        <translation>%1 (unreadable: %2)</translation>
    </message>
    <message>
        <source>此程序没有图标或指针.</source>
        <translation>This program has no icons or cursors.</translation>
    </message>
    <message>
        <source>原程序不会被修改, 请选择另一个文件名.</source>
        <translation>The original program is never changed: please choose another file name.</translation>
    </message>
    <message>
        <source>已写入新程序: %1</source>
        <translation>New program written: %1</translation>
    </message>
    <message>
        <source>当前文档与所选组的类型不同.</source>
        <translation>The current document and the chosen group are of different kinds.</translation>
    </message>
    <message>
        <source>动画...</source>
        <translation>Animation...</translation>
    </message>
    <message>
        <source>导出为 Xcursor...</source>
        <translation>Export as Xcursor...</translation>
    </message>
    <message>
        <source>动画</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>播放顺序:</source>
        <translation>Steps:</translation>
    </message>
    <message>
        <source>%1. 帧 %2 - %3/60 秒 (%4 毫秒)</source>
        <translation>%1. Frame %2 - %3/60 s (%4 ms)</translation>
    </message>
    <message>
        <source>帧:</source>
        <translation>Frame:</translation>
    </message>
    <message>
        <source>时间 (1/60 秒):</source>
        <translation>Time (1/60 s):</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下移(&amp;D)</source>
        <translation>Move &amp;down</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>删除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>全部使用此时间(&amp;L)</source>
        <translation>This time for al&amp;l</translation>
    </message>
    <message>
        <source>按帧顺序(&amp;F)</source>
        <translation>In &amp;frame order</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>图标和指针文件(*.ico;*.cur;*.ani)|*.ico;*.cur;*.ani|程序文件(*.exe;*.dll;*.cpl;*.ocx;*.scr;*.mun)|*.exe;*.dll;*.cpl;*.ocx;*.scr;*.mun|所有文件(*)|*</source>
        <translation>Icon and cursor files (*.ico;*.cur;*.ani)|*.ico;*.cur;*.ani|Program files (*.exe;*.dll;*.cpl;*.ocx;*.scr;*.mun)|*.exe;*.dll;*.cpl;*.ocx;*.scr;*.mun|All files (*)|*</translation>
    </message>
    <message>
        <source>图标文件(*.ico)|*.ico|指针文件(*.cur)|*.cur|动画指针文件(*.ani)|*.ani|位图文件(*.bmp)|*.bmp|Jpeg 文件(*.jpg)|*.jpg</source>
        <translation>Icon files (*.ico)|*.ico|Cursor files (*.cur)|*.cur|Animated cursor files (*.ani)|*.ani|Bitmap files (*.bmp)|*.bmp|JPEG files (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>动画指针文件(*.ani)|*.ani</source>
        <translation>Animated cursor files (*.ani)|*.ani</translation>
    </message>
    <message>
        <source>Xcursor 文件(*)|*</source>
        <translation>Xcursor files (*)|*</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>这个动画指针的帧超过 32 个, 不能作为一个文件编辑.</source>
        <translation>This animated cursor has more than 32 frames and cannot be edited as one file.</translation>
    </message>
    <message>
        <source>无法组成动画的帧</source>
        <translation>cannot put the frames together</translation>
    </message>
    <message>
        <source>无法转换为 Xcursor</source>
        <translation>cannot convert to Xcursor</translation>
    </message>
    <message>
        <source>生成尺寸...</source>
        <translation>Make Sizes...</translation>
    </message>
    <message>
        <source>生成尺寸</source>
        <translation>Make Sizes</translation>
    </message>
    <message>
        <source>为每一帧添加以下尺寸的图像:</source>
        <translation>Add images of these sizes to every frame:</translation>
    </message>
    <message>
        <source>%1 (已有)</source>
        <translation>%1 (present)</translation>
    </message>
    <message>
        <source>整数倍放大保持像素清晰, 其他尺寸由最接近的图像缩放. 热点随之移动.</source>
        <translation>Whole multiples keep the pixels crisp; other sizes are scaled from the nearest image. Hot spots move with them.</translation>
    </message>
    <message>
        <source>无法生成这些尺寸: %1</source>
        <translation>Cannot make these sizes: %1</translation>
    </message>
    <message>
        <source>检查...</source>
        <translation>Check...</translation>
    </message>
    <message>
        <source>检查</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>问题</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>各程序显示的图像</source>
        <translation>The image each program shows</translation>
    </message>
    <message>
        <source>没有发现问题</source>
        <translation>Nothing is wrong</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>严重性</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>视图</source>
        <translation>View</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>显示大小</source>
        <translation>Shown at</translation>
    </message>
    <message>
        <source>图像</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>比例</source>
        <translation>Scaling</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Shown</translation>
    </message>
    <message>
        <source>原样</source>
        <translation>as it is</translation>
    </message>
    <message>
        <source>缩小 ×%1</source>
        <translation>shrunk ×%1</translation>
    </message>
    <message>
        <source>放大 ×%1</source>
        <translation>enlarged ×%1</translation>
    </message>
    <message>
        <source>不显示</source>
        <translation>nothing shown</translation>
    </message>
    <message>
        <source>修复</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>已修复 %1 项, 未修复 %2 项.</source>
        <translation>%1 fixed, %2 not fixed.</translation>
    </message>
    <message>
        <source>没有可以安全修复的问题.</source>
        <translation>Nothing can be fixed safely.</translation>
    </message>
    <message>
        <source>Windows 指针</source>
        <translation>Windows cursor</translation>
    </message>
    <message>
        <source>浏览器</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>标题栏和小图标</source>
        <translation>Title bar, small icons</translation>
    </message>
    <message>
        <source>任务栏</source>
        <translation>Taskbar</translation>
    </message>
    <message>
        <source>大图标</source>
        <translation>Large icons</translation>
    </message>
    <message>
        <source>超大图标</source>
        <translation>Extra large icons</translation>
    </message>
    <message>
        <source>鼠标指针</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>标签页</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>文件图标</source>
        <translation>File icon</translation>
    </message>
    <message>
        <source>权限不足</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>权限不足 (共享文件夹中属于其他用户的符号链接)</source>
        <translation>permission denied (a symbolic link in a shared folder that belongs to another user)</translation>
    </message>
    <message>
        <source>空间不足</source>
        <translation>no space left</translation>
    </message>
    <message>
        <source>只读文件系统</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>名称过长</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>没有这个文件或文件夹</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <source>符号链接的层数过多</source>
        <translation>too many levels of symbolic links</translation>
    </message>
    <message>
        <source>文件过大</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>系统错误: %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>没有这个文件</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>打开文件以读取时出错</source>
        <translation>Error Opening File for Reading</translation>
    </message>
    <message>
        <source>不是图标或指针文件</source>
        <translation>not an icon or cursor file</translation>
    </message>
    <message>
        <source>不是图标、指针、动画指针或 Xcursor 文件</source>
        <translation>Not an icon, cursor, animated cursor or Xcursor file</translation>
    </message>
    <message>
        <source>这个图标资源已经载入了图标!</source>
        <translation>This IconResource has loaded icon!</translation>
    </message>
    <message>
        <source>读取文件时出错</source>
        <translation>Error Reading File</translation>
    </message>
    <message>
        <source>读取文件时出错 (%1)</source>
        <translation>Error Reading File (%1)</translation>
    </message>
    <message>
        <source>在文件中定位时出错 (图像 %1: 偏移 %2)</source>
        <translation>Error Seeking in File (image %1: offset %2)</translation>
    </message>
    <message>
        <source>读取文件时出错 (图像 %1: 偏移 %3 处的 %2 字节)</source>
        <translation>Error Reading File (image %1: %2 bytes at offset %3)</translation>
    </message>
    <message>
        <source>转换为内部格式时出错 (%1)</source>
        <translation>Error Converting to Internal Format (%1)</translation>
    </message>
    <message>
        <source>转换为内部格式时出错 (图像 %1: %2)</source>
        <translation>Error Converting to Internal Format (image %1: %2)</translation>
    </message>
    <message>
        <source>PNG: %1</source>
        <translation>PNG: %1</translation>
    </message>
    <message>
        <source>PNG 尺寸 %1x%2</source>
        <translation>PNG size %1x%2</translation>
    </message>
    <message>
        <source>PNG 尺寸不可用</source>
        <translation>PNG size</translation>
    </message>
    <message>
        <source>%1 字节的块短于文件头</source>
        <translation>block of %1 bytes is shorter than a header</translation>
    </message>
    <message>
        <source>文件头大小 %1</source>
        <translation>header size %1</translation>
    </message>
    <message>
        <source>宽度 %1</source>
        <translation>width %1</translation>
    </message>
    <message>
        <source>高度 %1</source>
        <translation>height %1</translation>
    </message>
    <message>
        <source>平面数 %1</source>
        <translation>planes %1</translation>
    </message>
    <message>
        <source>位数 %1</source>
        <translation>bit count %1</translation>
    </message>
    <message>
        <source>压缩方式 %1</source>
        <translation>compression %1</translation>
    </message>
    <message>
        <source>使用的颜色数 %1</source>
        <translation>colours used %1</translation>
    </message>
    <message>
        <source>%1 字节的块, 需要 %2 字节</source>
        <translation>block of %1 bytes, needs %2</translation>
    </message>
    <message>
        <source>不是动画指针 (没有 RIFF ACON 文件头)</source>
        <translation>Not an animated cursor (no RIFF ACON header)</translation>
    </message>
    <message>
        <source>偏移 %2 处的块 &apos;%1&apos; 声称有 %3 字节, 只剩 %4 字节</source>
        <translation>chunk &apos;%1&apos; at offset %2 claims %3 bytes, %4 remain</translation>
    </message>
    <message>
        <source>没有 &apos;anih&apos; 块</source>
        <translation>no &apos;anih&apos; chunk</translation>
    </message>
    <message>
        <source>&apos;anih&apos; 块只有 %1 字节, 需要 32 字节</source>
        <translation>the &apos;anih&apos; chunk holds %1 bytes, 32 are needed</translation>
    </message>
    <message>
        <source>&apos;anih&apos; 声明了 %1 帧 (允许 1 到 %2 帧)</source>
        <translation>&apos;anih&apos; declares %1 frames (1 to %2 allowed)</translation>
    </message>
    <message>
        <source>&apos;anih&apos; 声明了 %1 个步骤 (最多 %2 个)</source>
        <translation>&apos;anih&apos; declares %1 steps (at most %2)</translation>
    </message>
    <message>
        <source>没有 &apos;fram&apos; 列表</source>
        <translation>no &apos;fram&apos; list</translation>
    </message>
    <message>
        <source>&apos;fram&apos; 列表中没有帧</source>
        <translation>the &apos;fram&apos; list holds no frame</translation>
    </message>
    <message>
        <source>第 %1 步显示第 %2 帧, 而只有 %3 帧</source>
        <translation>step %1 shows frame %2 of %3</translation>
    </message>
    <message>
        <source>第 %1 帧 (偏移 %2): %3</source>
        <translation>Frame %1 (offset %2): %3</translation>
    </message>
    <message>
        <source>偏移 %2 处的块 &apos;%1&apos; 超出末尾 %3 字节; 读到末尾为止</source>
        <translation>chunk &apos;%1&apos; at offset %2 runs %3 bytes past the end; read up to the end</translation>
    </message>
    <message>
        <source>偏移 %2 处的块 &apos;%1&apos; 长度为奇数且没有填充字节</source>
        <translation>chunk &apos;%1&apos; at offset %2 has an odd length and no pad byte</translation>
    </message>
    <message>
        <source>&apos;anih&apos; 文件头自称 %1 字节, 实有 %2 字节, 通常为 36; 其字段按原样读取</source>
        <translation>the &apos;anih&apos; header says %1 bytes and holds %2, 36 are usual; its fields are read as they stand</translation>
    </message>
    <message>
        <source>&apos;%1&apos; 有 %2 项, 而步骤有 %3 个; 其余步骤使用文件头的速率</source>
        <translation>&apos;%1&apos; holds %2 entries for %3 steps; the others take the header&apos;s rate</translation>
    </message>
    <message>
        <source>&apos;%1&apos; 有 %2 项, 而步骤有 %3 个; 帧按顺序播放</source>
        <translation>&apos;%1&apos; holds %2 entries for %3 steps; the frames play in order</translation>
    </message>
    <message>
        <source>&apos;%1&apos; 有 %2 项, 而步骤有 %3 个; 动画播放其中列出的 %4 个步骤</source>
        <translation>&apos;%1&apos; holds %2 entries for %3 steps; the animation plays the %4 steps it lists</translation>
    </message>
    <message>
        <source>&apos;anih&apos; 声明了 %1 帧, &apos;fram&apos; 列表中有 %2 帧; 使用实有的帧</source>
        <translation>&apos;anih&apos; declares %1 frames, the &apos;fram&apos; list holds %2; those are used</translation>
    </message>
    <message>
        <source>尺寸 %1 被略去: 它有 %2 个图像, 动画有 %3 个</source>
        <translation>size %1 is left out: it has %2 images, the animation %3</translation>
    </message>
    <message>
        <source>尺寸 %1 被略去: 一帧最多容纳 %2 个图像</source>
        <translation>size %1 is left out: a frame holds at most %2 images</translation>
    </message>
    <message>
        <source>%1 帧</source>
        <translation>%1 frames</translation>
    </message>
    <message>
        <source>尺寸 %1, 第 %2 帧: %3x%4 的图像大于文档图像允许的大小</source>
        <translation>size %1, frame %2: a %3x%4 image is larger than a document image may be</translation>
    </message>
    <message>
        <source>保存期间文件被替换了</source>
        <translation>the file was replaced while it was saved</translation>
    </message>
    <message>
        <source>%1 (没有地方存放旧内容的副本)</source>
        <translation>%1 (no place for a copy of the old content)</translation>
    </message>
    <message>
        <source>%2; 旧内容保存在 %1</source>
        <translation>%2; the old content is kept in %1</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>无法编码图片</source>
        <translation>cannot encode the picture</translation>
    </message>
    <message>
        <source>无法编码图像</source>
        <translation>cannot encode an image</translation>
    </message>
    <message>
        <source>没有可保存的图像</source>
        <translation>no image to save</translation>
    </message>
    <message>
        <source>无法写入 %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>无法写入 %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>没有帧</source>
        <translation>no frames</translation>
    </message>
    <message>
        <source>多于 %1 帧</source>
        <translation>more than %1 frames</translation>
    </message>
    <message>
        <source>第 %1 帧没有图像</source>
        <translation>frame %1 has no image</translation>
    </message>
    <message>
        <source>没有步骤</source>
        <translation>no steps</translation>
    </message>
    <message>
        <source>多于 %1 个步骤</source>
        <translation>more than %1 steps</translation>
    </message>
    <message>
        <source>第 %1 步显示第 %2 帧, 但这一帧不存在</source>
        <translation>step %1 shows frame %2, which does not exist</translation>
    </message>
    <message>
        <source>第 %1 帧: %2</source>
        <translation>frame %1: %2</translation>
    </message>
    <message>
        <source>文件头放不进 RIFF 文件</source>
        <translation>the header does not fit a RIFF file</translation>
    </message>
    <message>
        <source>无法写出第 %1 帧</source>
        <translation>frame %1 cannot be written</translation>
    </message>
    <message>
        <source>这些帧放不进 RIFF 文件</source>
        <translation>the frames do not fit a RIFF file</translation>
    </message>
    <message>
        <source>这个指针放不进 RIFF 文件</source>
        <translation>the cursor does not fit a RIFF file</translation>
    </message>
    <message>
        <source>这些帧没有共同的图像尺寸</source>
        <translation>the frames have no image size in common</translation>
    </message>
    <message>
        <source>Xcursor 文件将超过 %1 MB</source>
        <translation>the Xcursor file would exceed %1 MB</translation>
    </message>
    <message>
        <source>无法读取图像 %1</source>
        <translation>image %1 cannot be read</translation>
    </message>
    <message>
        <source>没有图像</source>
        <translation>no images</translation>
    </message>
    <message>
        <source>这些图像放不进 Xcursor 文件</source>
        <translation>the images do not fit an Xcursor file</translation>
    </message>
    <message>
        <source>文档中没有图像</source>
        <translation>the document has no image</translation>
    </message>
    <message>
        <source>尺寸 %1 不在 1 到 %2 之间</source>
        <translation>size %1 is outside 1 to %2</translation>
    </message>
    <message>
        <source>一个文档最多容纳 %1 个图像</source>
        <translation>a document holds at most %1 images</translation>
    </message>
    <message>
        <source>无法生成 %1 像素的图像</source>
        <translation>cannot make the %1 pixel image</translation>
    </message>
    <message>
        <source>没有给出尺寸</source>
        <translation>no size given</translation>
    </message>
    <message>
        <source>没有可以生成尺寸 %1 的图像</source>
        <translation>no image to make size %1 from</translation>
    </message>
    <message>
        <source>第 %1 帧</source>
        <translation>frame %1</translation>
    </message>
    <message>
        <source>不是 PNG 图片</source>
        <translation>not a PNG picture</translation>
    </message>
    <message>
        <source>PNG 图片过大</source>
        <translation>PNG picture too large</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>PNG 图片已损坏</source>
        <translation>damaged PNG picture</translation>
    </message>
    <message>
        <source>PNG 库: %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>不是 JPEG 图片</source>
        <translation>not a JPEG picture</translation>
    </message>
    <message>
        <source>无法读取的 JPEG 图片</source>
        <translation>unreadable JPEG picture</translation>
    </message>
    <message>
        <source>JPEG 图片有 %1x%2 像素, 大于 %3</source>
        <translation>JPEG picture of %1x%2 pixels, larger than %3</translation>
    </message>
    <message>
        <source>JPEG 图片不完整</source>
        <translation>truncated JPEG picture</translation>
    </message>
    <message>
        <source>JPEG 图片已损坏</source>
        <translation>damaged JPEG picture</translation>
    </message>
    <message>
        <source>不是 Windows 程序文件</source>
        <translation>not a Windows program file</translation>
    </message>
    <message>
        <source>可选头超出了文件末尾</source>
        <translation>optional header beyond the end of the file</translation>
    </message>
    <message>
        <source>未知的可选头</source>
        <translation>unknown optional header</translation>
    </message>
    <message>
        <source>可选头太短</source>
        <translation>optional header too short</translation>
    </message>
    <message>
        <source>%1 个节</source>
        <translation>%1 sections</translation>
    </message>
    <message>
        <source>节表超出了文件末尾</source>
        <translation>section table beyond the end of the file</translation>
    </message>
    <message>
        <source>其中的 %names% 展开后超过 %1 MB (上限)</source>
        <translation>its %names% expand to more than %1 MB (the limit)</translation>
    </message>
    <message>
        <source>没有为任何指针角色指定指针</source>
        <translation>names no cursor for any pointer role</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>不是 PNG、JPEG、BMP 或 SVG 图片</source>
        <translation>not a PNG, JPEG, BMP or SVG picture</translation>
    </message>
    <message>
        <source>不是不超过 4096 像素的 24 位未压缩 BMP 图片</source>
        <translation>not a 24-bit uncompressed BMP picture of at most 4096 pixels</translation>
    </message>
    <message>
        <source>SVG 图片需要 Qt SVG 模块, 而这个版本没有它</source>
        <translation>SVG pictures need the Qt SVG module, which this build lacks</translation>
    </message>
    <message>
        <source>无法解压 SVG 图片</source>
        <translation>cannot inflate the SVG picture</translation>
    </message>
    <message>
        <source>SVG 图片解压后超过 %1 MB (上限)</source>
        <translation>the SVG picture inflates to more than %1 MB (the limit)</translation>
    </message>
    <message>
        <source>压缩的 SVG 图片已损坏</source>
        <translation>damaged compressed SVG picture</translation>
    </message>
    <message>
        <source>SVG 图片大于 %1 MB (上限)</source>
        <translation>the SVG picture is larger than %1 MB (the limit)</translation>
    </message>
    <message>
        <source>SVG 图片被压缩了两次</source>
        <translation>the SVG picture is compressed twice</translation>
    </message>
    <message>
        <source>无法读取的 SVG 图片</source>
        <translation>unreadable SVG picture</translation>
    </message>
    <message>
        <source>SVG 图片需要 Qt 的 SVG 模块: %1</source>
        <translation>SVG pictures need Qt&apos;s SVG module: %1</translation>
    </message>
    <message>
        <source>没有编译进来</source>
        <translation>not built in</translation>
    </message>
    <message>
        <source>找不到程序自己的文件夹: %1</source>
        <translation>cannot find the program&apos;s own folder: %1</translation>
    </message>
    <message>
        <source>无法加载 %1</source>
        <translation>cannot load %1</translation>
    </message>
    <message>
        <source>这个安装缺少 %1</source>
        <translation>this installation lacks %1</translation>
    </message>
    <message>
        <source>%1 中没有 %2</source>
        <translation>%1 has no %2</translation>
    </message>
    <message>
        <source>没有给出图片</source>
        <translation>no picture given</translation>
    </message>
    <message>
        <source>没有给出颜色深度</source>
        <translation>no depth given</translation>
    </message>
    <message>
        <source>尺寸 %1 给出了两次</source>
        <translation>size %1 is given twice</translation>
    </message>
    <message>
        <source>颜色深度 %1 不是 32、8 或 4</source>
        <translation>depth %1 is not one of 32, 8 and 4</translation>
    </message>
    <message>
        <source>颜色深度 %1 给出了两次</source>
        <translation>depth %1 is given twice</translation>
    </message>
    <message>
        <source>一个图标最多容纳 %1 个图像, 而不是 %2 个</source>
        <translation>an icon holds at most %1 images, not %2</translation>
    </message>
    <message>
        <source>阈值不在 0 到 255 之间</source>
        <translation>the threshold is outside 0 to 255</translation>
    </message>
    <message>
        <source>热点只属于指针 (.cur)</source>
        <translation>hot spots belong to cursors (.cur)</translation>
    </message>
    <message>
        <source>文档不是空的</source>
        <translation>the document is not empty</translation>
    </message>
    <message>
        <source>热点位于 %1 之外</source>
        <translation>the hot spot lies outside %1</translation>
    </message>
    <message>
        <source>%1: 无法以 %2 像素绘制</source>
        <translation>%1: cannot draw it at %2 pixels</translation>
    </message>
    <message>
        <source>一个文件中超过 %1 个像素 (上限)</source>
        <translation>more than %1 pixels in one file (the limit)</translation>
    </message>
    <message>
        <source>一个文件中超过 %1 个条目 (上限)</source>
        <translation>more than %1 entries in one file (the limit)</translation>
    </message>
    <message>
        <source>不是 Xcursor 文件</source>
        <translation>not an Xcursor file</translation>
    </message>
    <message>
        <source>目录 (%1 个条目) 放不进文件</source>
        <translation>the table of contents (%1 entries) does not fit the file</translation>
    </message>
    <message>
        <source>位于偏移 %2 的图像 %1: %3</source>
        <translation>image %1 at offset %2: %3</translation>
    </message>
    <message>
        <source>块头位于文件之外</source>
        <translation>the chunk header lies outside the file</translation>
    </message>
    <message>
        <source>块与它的目录条目不符</source>
        <translation>the chunk does not match its table entry</translation>
    </message>
    <message>
        <source>尺寸 %1x%2</source>
        <translation>size %1x%2</translation>
    </message>
    <message>
        <source>%1x%2 的像素超出了文件末尾</source>
        <translation>%1x%2 pixels run past the end of the file</translation>
    </message>
    <message>
        <source>热点 %1,%2 位于图像之外</source>
        <translation>hot spot %1,%2 outside the image</translation>
    </message>
    <message>
        <source>偏移 %1 和 %2 处的图像块相互重叠</source>
        <translation>the image chunks at offsets %1 and %2 overlap</translation>
    </message>
    <message>
        <source>图像 %1: %2</source>
        <translation>image %1: %2</translation>
    </message>
    <message>
        <source>%1x%2 %3 位图像被略去; 写入的是 %4x%5 %6 位图像</source>
        <translation>the %1x%2 %3-bit image is left out; the %4x%5 %6-bit image is written</translation>
    </message>
    <message>
        <source>尺寸 %1 被略去: %3 帧中只有 %2 帧有它</source>
        <translation>size %1 is left out: only %2 of %3 frames have it</translation>
    </message>
    <message>
        <source>%1x%2 %3 位图像: %4 个反色像素画成了带白色轮廓的黑色</source>
        <translation>%1x%2 %3-bit image: %4 screen-inverting pixels drawn black with a white outline</translation>
    </message>
    <message>
        <source>资源目录位于文件之外</source>
        <translation>resource directory outside the file</translation>
    </message>
    <message>
        <source>资源目录位于节之外</source>
        <translation>resource directory outside the section</translation>
    </message>
    <message>
        <source>资源树中有循环</source>
        <translation>loop in the resource tree</translation>
    </message>
    <message>
        <source>资源目录的条目位于节之外</source>
        <translation>resource directory entries outside the section</translation>
    </message>
    <message>
        <source>应为目录之处是资源数据</source>
        <translation>resource data where a directory belongs</translation>
    </message>
    <message>
        <source>应为数据之处是资源目录</source>
        <translation>resource directory where data belongs</translation>
    </message>
    <message>
        <source>超过 %1 个资源 (上限)</source>
        <translation>more than %1 resources (the limit)</translation>
    </message>
    <message>
        <source>资源名称位于节之外</source>
        <translation>resource name outside the section</translation>
    </message>
    <message>
        <source>资源数据条目位于节之外</source>
        <translation>resource data entry outside the section</translation>
    </message>
    <message>
        <source>资源数据位于文件之外</source>
        <translation>resource data outside the file</translation>
    </message>
    <message>
        <source>组目录已损坏</source>
        <translation>damaged group directory</translation>
    </message>
    <message>
        <source>空组</source>
        <translation>empty group</translation>
    </message>
    <message>
        <source>组目录比它的计数短</source>
        <translation>group directory shorter than its count</translation>
    </message>
    <message>
        <source>图像 %1 不存在</source>
        <translation>image %1 is missing</translation>
    </message>
    <message>
        <source>指针图像 %1 没有热点</source>
        <translation>cursor image %1 has no hot spot</translation>
    </message>
    <message>
        <source>组过大</source>
        <translation>group too large</translation>
    </message>
    <message>
        <source>无法读取的图像</source>
        <translation>unreadable images</translation>
    </message>
    <message>
        <source>组 %1 是指针组; 新文件是图标</source>
        <translation>group %1 is a cursor group; the new file is an icon</translation>
    </message>
    <message>
        <source>组 %1 是图标组; 新文件是指针</source>
        <translation>group %1 is an icon group; the new file is a cursor</translation>
    </message>
    <message>
        <source>没有图标组 %1</source>
        <translation>no icon group %1</translation>
    </message>
    <message>
        <source>没有指针组 %1</source>
        <translation>no cursor group %1</translation>
    </message>
    <message>
        <source>资源过大</source>
        <translation>resources too large</translation>
    </message>
    <message>
        <source>没有空闲的图像编号</source>
        <translation>no free image numbers</translation>
    </message>
    <message>
        <source>资源树有 %1 个条目, 超过了目录能计数的数量 (65535 个命名的和 65535 个编号的); 什么也没有写入</source>
        <translation>the resource tree holds %1 entries, more than its directory can count (65535 named and 65535 numbered); nothing was written</translation>
    </message>
    <message>
        <source>类型 %1 有 %2 个条目, 超过了目录能计数的数量 (65535 个命名的和 65535 个编号的); 什么也没有写入</source>
        <translation>type %1 holds %2 entries, more than its directory can count (65535 named and 65535 numbered); nothing was written</translation>
    </message>
    <message>
        <source>资源 %1/%2 有 %3 种语言, 超过了目录能计数的数量 (65535); 什么也没有写入</source>
        <translation>resource %1/%2 holds %3 languages, more than its directory can count (65535); nothing was written</translation>
    </message>
    <message>
        <source>资源与其他数据共用一个节; 什么也没有写入</source>
        <translation>the resources share their section with other data; nothing was written</translation>
    </message>
    <message>
        <source>资源节超出了文件末尾</source>
        <translation>the resource section goes beyond the end of the file</translation>
    </message>
    <message>
        <source>资源节不是文件的最后一节, 却需要增大 %1 字节; 什么也没有写入</source>
        <translation>the resource section is not the last section of the file and would have to grow by %1 bytes; nothing was written</translation>
    </message>
    <message>
        <source>新的资源节过大</source>
        <translation>the new resource section is too large</translation>
    </message>
    <message>
        <source>程序的节相互重叠; 什么也没有写入</source>
        <translation>the sections of the program overlap; nothing was written</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>无法转换</source>
        <translation>cannot be converted</translation>
    </message>
    <message>
        <source>%1 是一个文件夹</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>无法链接 %1: %2</source>
        <translation>cannot link %1: %2</translation>
    </message>
    <message>
        <source>无法创建 %1</source>
        <translation>cannot create %1</translation>
    </message>
    <message>
        <source>无法把 %1 写入磁盘</source>
        <translation>cannot flush %1</translation>
    </message>
    <message>
        <source>无法读取 %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>%1 中有超过 %2 个条目</source>
        <translation>%1 holds more than %2 entries</translation>
    </message>
    <message>
        <source>无法读取文件夹 %1: %2</source>
        <translation>cannot read the folder %1: %2</translation>
    </message>
    <message>
        <source>%1: %3 指定的 %2 不在文件夹中</source>
        <translation>%1: %2, named by %3, is not in the folder</translation>
    </message>
    <message>
        <source>%1: 没有哪个指针角色叫这个名字; 已略去</source>
        <translation>%1: no pointer role has this name; left out</translation>
    </message>
    <message>
        <source>%1: %2 已经是 %3; 已略去</source>
        <translation>%1: %2 is already %3; left out</translation>
    </message>
    <message>
        <source>%1; 角色按文件名确定</source>
        <translation>%1; roles taken from the file names</translation>
    </message>
    <message>
        <source>没有文件 %1</source>
        <translation>no file %1</translation>
    </message>
    <message>
        <source>没有用于 %2 的文件 %1</source>
        <translation>no file %1 for %2</translation>
    </message>
    <message>
        <source>%1 中没有扮演指针角色的指针 (按名称或按 install.inf)</source>
        <translation>no cursor in %1 plays a pointer role (by its name or by an install.inf)</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1: %2</source>
        <translation>cannot create folder %1: %2</translation>
    </message>
    <message>
        <source>不是文件夹</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>无法编码 %1</source>
        <translation>cannot encode %1</translation>
    </message>
    <message>
        <source>条目 %1 有反色像素, 32 位图像无法显示它们</source>
        <translation>entry %1 has screen-inverting pixels, which 32-bit images cannot show</translation>
    </message>
</context>
</TS>
