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
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>Распознавание речи…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>Текст с изображения — перевод</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>Текст с изображения — распознавание</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>Выделенный текст — перевод</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Скопировано</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>Похоже, вы ничего не сказали или нажали кнопку слишком коротко</translation>
    </message>
</context>
</TS>
