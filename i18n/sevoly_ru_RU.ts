<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>После смены режима подключите устройство заново вручную</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>Проверка кнопок</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>Сведения о кнопке</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>Устройство закрыто</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>Подключение к устройству</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>кнопку перевода</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>голосовую кнопку</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>кнопку поиска</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>Мышь ещё не подключена, голосовой ввод недоступен</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>Нажата </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; раз: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>Отпущена </translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>Распознавание для этого языка пока недоступно</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Голосовой ввод</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>Голосовой перевод пока недоступен</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Голосовой поиск</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>Голосовой ИИ-ассистент</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>Текст не распознан</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>Голосовой поиск пока недоступен</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>ИИ-помощник пока недоступен</translation>
    </message>
    <message>
        <source>截屏识别</source>
        <translation>Распознавание снимка экрана</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>Распознавание снимков экрана пока недоступно</translation>
    </message>
</context>
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
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>Приёмник мыши подключён, но нет прав на его открытие (отсутствует правило udev). Запустите scripts/install-udev-rule.sh или скопируйте data/udev/70-talkvane-receiver.rules в /etc/udev/rules.d/, затем переподключите приёмник.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>Приёмник мыши подключён, но его не удаётся открыть (%1). Переподключите приёмник.</translation>
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
    <message>
        <source>识别服务断开了连接</source>
        <translation>Служба распознавания разорвала соединение</translation>
    </message>
</context>
</TS>
