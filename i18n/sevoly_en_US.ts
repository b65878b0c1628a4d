<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>Recognition is not available for the current language yet</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Voice Input</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Voice Translation</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>Voice translation is not available yet</translation>
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
        <source>截屏识别</source>
        <translation>Screenshot recognition</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>Screenshot recognition is not available yet</translation>
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
    <message>
        <source>识别服务断开了连接</source>
        <translation>The recognition service closed the connection</translation>
    </message>
</context>
</TS>
