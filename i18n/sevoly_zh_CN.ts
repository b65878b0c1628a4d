<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>日志目录</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>确定退出此程序吗?</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Error: (文件打开失败!   )</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Error: (输出设备不支持该格式，不能播放音频。)</translation>
    </message>
</context>
</TS>
