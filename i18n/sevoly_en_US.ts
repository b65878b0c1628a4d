<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>AI Chat</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Voice Input</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Translate Screen</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>Click to Dictate</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu Search</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Back to Desktop</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Open Web Page</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>Custom Button Settings</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>Long Press</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>Short Press</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>Speech Recognition Settings</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Add punctuation</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Recognition language</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice Search</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>Search engine</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>必应</source>
        <translation>Bing</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Input Settings</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>Input mode</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>Live typing</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>Whole sentence</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>The meeting connection was lost and could not be restored</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>Voice Input</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Voice Assistant</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>AI Chat</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Screenshot Translation</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu Search</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Open Web Page</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Not set</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>Cannot capture the screen: this session does not let programs read the screen</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>Copy to clipboard (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>Save to file (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>Draw a line (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>Draw a rectangle (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>Draw an ellipse (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>Add text (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>Extract text (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>Translate</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>The text recognition service did not answer in time. Please try again later.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>Cannot reach the text recognition service. Please check your network.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>The text recognition service refused the request. Please refresh and try again.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>Too many text recognition requests. Please try again later.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>The text recognition service is temporarily unavailable. Please try again later.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>The text recognition service sent an answer that could not be read.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>Text recognition failed. Please try again later.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>The text recognition service is not configured</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>The screenshot could not be read. Please take it again.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>The translation service did not respond in time. Please try again later.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>Cannot reach the translation service. Please check your network.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>The translation service refused the request. Please refresh and try again.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>Too many translation requests. Please try again later.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>The translation service is temporarily unavailable. Please try again later.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>The translation service returned a result that could not be read.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>The translation service is not configured.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>Fill</translation>
    </message>
</context>
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>Switching modes requires reconnecting the device manually</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>Button test</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>Button info</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>Device closed</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>Connecting to the device</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>translate button</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>voice button</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>search button</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>The mouse is not connected yet; voice cannot be used</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>Pressed the </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; count: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>Released the </translation>
    </message>
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>Mouse model: %1; link: %2; sn: %3; battery: %4; firmware: %5; DPI: %6; wheel switch: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>Log window</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Connect device</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>Query device info</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>Wheel free-spin on</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>Wheel free-spin off</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>Play recording</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>Decode data</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>Test meeting minutes</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>Audio file test</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>Dictation</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>Release dictation</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>Translation dictation</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>Release translation dictation</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>Recognised text</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>The device is connected; disconnecting the current mode</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice translation</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>App</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Fixed text</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Voice command</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Add a custom command</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>Voice command + folder path → say the command to open the folder</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>Voice command + application file → say the command to start the application</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>Voice command + full address (e.g. https://...) → say the command to open the web page</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>Voice command + text → say the command to type the text (this session only)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>Cannot write to the folder “%1”. Please choose another location.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Install Vorn</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Launch Vorn</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>Could not launch Vorn. Run it manually: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>Installer not found: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>Could not start the installer. Run it manually: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>Voice Input</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice Search</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>AI Voice Assistant</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>Nothing was recognised</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>Voice search is not available yet</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>The AI assistant is not available yet</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>No text was found</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>No sound was recorded</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>Meeting transcription service is not configured</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Voice command</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+Add command</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>App</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Fixed text</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>Could not save the command list. Please check that the program folder is writable.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>Speech Recognition</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>Screenshot Recognition</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Screenshot Translation</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>Selected Text Recognition</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Selected Text Translation</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>Log window</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>Output to window</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>Output to file</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Output to Debug</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>Clear log</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>Log Folder</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Are you sure you want to exit Talkvane?</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>Model: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>Low Battery</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>The battery is down to %1%. Please charge the mouse soon.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>The AI window is not available yet</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Updated</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>Global hot keys (the mouse's F17–F20 buttons)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>Typing the recognised text into other programs</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>Screenshot OCR and screenshot translation</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>Selected-text capture</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>Global mouse listening</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Wayland session: Talkvane runs as an X11 program through XWayland; these features work only with X11 programs: %1. Native Wayland programs do not receive typed text or hot keys.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>Not available in a Wayland session: %1. Wayland does not let one program take keys, type into other programs or read their screen. Recognised text is still shown in Talkvane's window; translation, AI, meetings, settings and the mouse link work as usual.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>New meeting record</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>The meeting database is read-only; new meetings and changes cannot be saved.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Database error</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>Cannot open the database file</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>The meeting database file is damaged and cannot be read. The file was left as it is: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>Failed to initialise the data table</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>Could not read the meeting list: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>Could not read the meeting: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>A meeting being recorded cannot be deleted.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>Could not delete the meeting: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>Could not save the translation: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Could not save the meeting: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>Could not save the AI summary: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>Meeting record</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Start recording</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>Live meeting transcript</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>Meeting recording</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>Conference translation</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>AI meeting summary</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Export to word</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>AI Summary</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>Translate again</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>The meeting cannot be saved: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Could not save the meeting: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>The meeting cannot be saved right now; recording continues: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Translation failed: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>Generating the AI summary…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>AI summary failed: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Export Word document</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Word documents (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>Cannot create the file: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>The document was exported to:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>The meeting summary service is not configured</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>The recording can no longer be written to disk (%1). What was recorded so far is kept; the transcript continues.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>the database is read-only and has no meeting table</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>no meeting with id %1</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>the meeting database is not open</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>the meeting is no longer stored</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>The speech recognition service is not configured</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>The speech recognition service did not answer in time. Please try again later.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>Cannot reach the speech recognition service. Please check your network.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>The speech recognition service refused the request. Please check the key.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>Too many speech recognition requests. Please try again later.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>The speech recognition service is temporarily unavailable. Please try again later.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>The speech recognition service sent an answer that could not be read.</translation>
    </message>
</context>
<context>
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>The mouse receiver is plugged in, but Talkvane has no permission to open it (the udev rule is missing). Run scripts/install-udev-rule.sh, or copy data/udev/70-talkvane-receiver.rules to /etc/udev/rules.d/, then unplug the receiver and plug it in again.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>The mouse receiver is plugged in but cannot be opened (%1). Unplug the receiver and plug it in again.</translation>
    </message>
    <message>
        <source>蓝牙1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>蓝牙2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>接收器</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>AI Settings</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>App Settings</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>AI Directory</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>Meeting Notes</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>AI Chat</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Not Connected</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>User Guide</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>The user guide will come in a later version.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>AI Directory</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>The AI directory will come in a later version.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>The cloud meetings page will come in a later version.</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Error: (the file could not be opened)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Error: (the output device does not support this format; the audio cannot be played.)</translation>
    </message>
</context>
<context>
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>Choose a colour</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>The selection is too small. Drag over the area you want first.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>The screenshot could not be saved</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>Speech recognition language</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>Voice translation language</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>Screenshot recognition language</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>Screenshot translation language</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>Selected text recognition language</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>Selected text translation language</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>Button Settings</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Mouse Settings</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>Voice button</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>Translate button</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>Search button</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>Custom button</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>Wheel button</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>AI Button</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Voice Input</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice Search</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>Short press: %1    Long press: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Open website</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Don&apos;t open website</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>No device connected</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>Press keys</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>Battery</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>Display language</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Logs</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>Logging</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>Upload logs</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>Hardware Information</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>Starting at login is not supported on this system</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>The server is busy. Please try again later.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>No log file was detected.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> succeeded</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> failed</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TencentCloudSpeech</name>
    <message>
        <source>语音识别服务不可用</source>
        <translation>The speech recognition service is not available</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>The recognition service closed the connection</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>Cannot reach the speech recognition service</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>Listening…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Playback</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>Image Text - Translation</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>Image Text - Recognition</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>Selected Text - Translation</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copied</translation>
    </message>
</context>
<context>
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>Voice Translation Settings</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>Selected Text Translation Settings</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>Screenshot Translation Settings</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Source language</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Target language</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Translate selected text</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>Screenshot shortcut</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>Shortcut: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>A new version was found</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>Download now</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>Network error: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>The update information is invalid</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>The current version number is invalid</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>A newer version is available: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>You already have the latest version</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>Bad address</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>The download address is not secure; the download was refused</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>Cannot create the file</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>The download failed; please try again later</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>The package cannot be opened; it was saved to: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>The command “%1” failed. Please check its target.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>Voice Button Settings</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>Translate Button Settings</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>Assistant Button Settings</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>Click action</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Shortcut</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>Long-press action</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>Wheel Button Settings</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Open website</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Don&apos;t open website</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>You don&apos;t seem to have spoken, or the button was pressed too briefly</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>The recognition service closed the connection</translation>
    </message>
</context>
</TS>
