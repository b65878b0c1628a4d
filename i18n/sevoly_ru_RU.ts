<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>Настройки мыши</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>Папка журналов</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Выйти из Talkvane?</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Ошибка: (не удалось открыть файл)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Ошибка: (устройство вывода не поддерживает этот формат, звук не может быть воспроизведён.)</translation>
    </message>
</context>
</TS>
