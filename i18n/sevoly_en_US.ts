<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>You don't seem to have spoken, or the button was pressed too briefly</translation>
    </message>
</context>
</TS>
