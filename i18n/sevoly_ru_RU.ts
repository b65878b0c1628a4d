<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>ИИ-чат</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Ассистент</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Диктовка</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Перевод экрана</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>Диктовка кликом</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Поиск в Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Открыть сайт</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>Настройки пользовательской кнопки</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>Долгое нажатие</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>Короткое нажатие</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>Настройки распознавания речи</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Расставлять знаки препинания</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Язык распознавания</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Голосовой поиск</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>Поисковая система</translation>
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
        <translation>Настройки ввода</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>Режим ввода</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>Ввод по ходу речи</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>Целыми фразами</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>Соединение встречи потеряно и не восстановлено</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>Голосовой ввод</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Голосовой ассистент</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>ИИ-чат</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Перевод снимка экрана</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Поиск в Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Открыть веб-страницу</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Выберите</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Не задано</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>Не удаётся сделать снимок экрана: этот сеанс не позволяет программам читать экран</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>Копировать в буфер обмена (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>Сохранить в файл (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>Нарисовать линию (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>Нарисовать прямоугольник (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>Нарисовать эллипс (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>Добавить текст (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>Распознать текст (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>Перевести</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>Служба распознавания текста не ответила вовремя. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>Не удаётся подключиться к службе распознавания текста. Проверьте сеть.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>Служба распознавания текста отклонила запрос. Обновите и повторите попытку.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>Слишком много запросов на распознавание текста. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>Служба распознавания текста временно недоступна. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>Служба распознавания текста вернула непонятный ответ.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>Не удалось распознать текст. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>Служба распознавания текста не настроена</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>Не удалось прочитать снимок экрана. Сделайте его заново.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>Служба перевода не ответила вовремя. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>Не удаётся подключиться к службе перевода. Проверьте сеть.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>Служба перевода отклонила запрос. Обновите и повторите попытку.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>Слишком много запросов на перевод. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>Служба перевода временно недоступна. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>Служба перевода вернула нераспознаваемый ответ.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>Служба перевода не настроена.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>Заливка</translation>
    </message>
</context>
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
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>Модель мыши: %1; связь: %2; sn: %3; заряд: %4; прошивка: %5; DPI: %6; свободное колесо: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>Окно журнала</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Подключить устройство</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>Запросить сведения</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>Свободное колесо вкл.</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>Свободное колесо выкл.</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>Воспроизвести запись</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>Декодировать данные</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>Проверить протокол встречи</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>Проверка аудиофайла</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>Диктовка</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>Отпустить диктовку</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>Диктовка с переводом</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>Отпустить диктовку с переводом</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>Распознанный текст</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>Устройство подключено; текущий режим отключается</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Готовый текст</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Голосовая команда</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Добавить свою команду</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>Голосовая команда + путь к папке → произнесите команду, чтобы открыть папку</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>Голосовая команда + файл приложения → произнесите команду, чтобы запустить приложение</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>Голосовая команда + полный адрес (например, https://...) → произнесите команду, чтобы открыть страницу</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>Голосовая команда + текст → произнесите команду, чтобы ввести текст (только в этом сеансе)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Ошибка загрузки</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>Папка «%1» не существует.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>Невозможно записать в папку «%1». Выберите другое место.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Установить Vorn</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Запустить Vorn</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>Не удалось запустить Vorn. Запустите его вручную: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>Установщик не найден: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>Не удалось запустить установщик. Запустите его вручную: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>Голосовой ввод</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
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
        <source>未识别到文字</source>
        <translation>Текст не найден</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>Звук не записан</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>Служба расшифровки встреч не настроена</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Голосовая команда</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+Добавить команду</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Готовый текст</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>Не удалось сохранить список команд. Проверьте, доступна ли папка программы для записи.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>Распознавание речи</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>Распознавание снимка экрана</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Перевод снимка экрана</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>Распознавание выделенного текста</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Перевод выделенного текста</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>Окно журнала</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>Вывод в окно</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>Вывод в файл</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Вывод в Debug</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>Очистить журнал</translation>
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
    <message>
        <source>Model: </source>
        <translation>Модель: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>Низкий заряд батареи</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>Осталось всего %1% заряда. Зарядите мышь.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>Окно ИИ пока недоступно</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Обновлено</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Снимок экрана</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>Глобальные горячие клавиши (кнопки мыши F17–F20)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>Ввод распознанного текста в другие программы</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>Распознавание и перевод текста со снимка экрана</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>Захват выделенного текста</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>Глобальное отслеживание мыши</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Сеанс Wayland: Talkvane работает как программа X11 через XWayland; эти функции работают только с программами X11: %1. Собственные программы Wayland не получают вводимый текст и горячие клавиши.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>Недоступно в сеансе Wayland: %1. Wayland не позволяет одной программе перехватывать клавиши, вводить текст в другие программы или читать их экран. Распознанный текст по-прежнему показывается в окне Talkvane; перевод, ИИ, встречи, настройки и подключение мыши работают как обычно.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>Встреча</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>Новая запись встречи</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>Не завершена</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>База данных встреч доступна только для чтения; новые встречи и изменения сохранить нельзя.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Ошибка базы данных</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>Не удаётся открыть файл базы данных</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>Файл базы данных встреч повреждён и не читается. Файл оставлен без изменений: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>Не удалось инициализировать таблицу данных</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>Не удалось прочитать список встреч: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>Не удалось прочитать встречу: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>Записываемую встречу нельзя удалить.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>Не удалось удалить встречу: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>Не удалось сохранить перевод: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Не удалось сохранить встречу: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>Не удалось сохранить ИИ-резюме: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>Запись встречи</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>История</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>Расшифровка в реальном времени</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>Аудиозапись встречи</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>Перевод встречи</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>ИИ-резюме встречи</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Экспорт в Word</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>ИИ-резюме</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>Перевести снова</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>Встречу нельзя сохранить: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>Не удалось сохранить встречу: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>Сейчас встречу нельзя сохранить; запись продолжается: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Ошибка перевода: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>Создаётся ИИ-резюме…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>Ошибка ИИ-резюме: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Экспорт документа Word</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Документы Word (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>Не удаётся создать файл: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>Документ экспортирован в:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>Служба резюме встреч не настроена</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>Запись больше не удаётся сохранять на диск (%1). Уже записанное сохранено; расшифровка продолжается.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>база данных только для чтения и не содержит таблицы встреч</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>нет встречи с id %1</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>база данных встреч не открыта</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>встреча больше не сохранена</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>Служба распознавания речи не настроена</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>Служба распознавания речи не ответила вовремя. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>Не удаётся подключиться к службе распознавания речи. Проверьте сеть.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>Служба распознавания речи отклонила запрос. Проверьте ключ.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>Слишком много запросов на распознавание речи. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>Служба распознавания речи временно недоступна. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>Служба распознавания речи вернула непонятный ответ.</translation>
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
        <translation>Приёмник</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Неизвестно</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>Функции ИИ</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Каталог ИИ</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>Протоколы</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>ИИ-чат</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Отключено</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>Руководство появится в следующих версиях.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Каталог ИИ</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>Каталог ИИ появится в следующих версиях.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>Страница облачных встреч появится в следующих версиях.</translation>
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
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>Выделение слишком маленькое. Сначала выделите нужную область мышью.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>Не удалось сохранить снимок экрана</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>Язык распознавания речи</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>Язык голосового перевода</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>Язык распознавания снимка экрана</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>Язык перевода снимка экрана</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>Язык распознавания выделенного текста</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>Язык перевода выделенного текста</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>Настройки кнопок</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Настройки мыши</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>Голосовая кнопка</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>Кнопка перевода</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>Кнопка поиска</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>Пользовательская кнопка</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>Кнопка колеса</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>Кнопка ИИ</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Голосовой перевод</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Голосовой ввод</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Голосовой поиск</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>Короткое нажатие: %1    Долгое нажатие: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Открывать сайт</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Не открывать сайт</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Устройство не подключено</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>Нажмите</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Тип подключения</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>Заряд батареи</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>Язык интерфейса</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>Версия программы</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Журналы</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>Вести журнал</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>Отправка журналов</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>Сведения об оборудовании</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>Версия прошивки</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>Эта система не поддерживает автозапуск при входе</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>Сервер занят. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>Файл журнала не найден.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> выполнена</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> не выполнена</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>TencentCloudSpeech</name>
    <message>
        <source>语音识别服务不可用</source>
        <translation>Служба распознавания речи недоступна</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>Служба распознавания разорвала соединение</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>Не удаётся подключиться к службе распознавания речи</translation>
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
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>Настройки голосового перевода</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>Настройки перевода выделенного текста</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>Настройки перевода снимков экрана</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Исходный язык</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Язык перевода</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Переводить выделенный текст</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>Сочетание клавиш для снимка</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>Сочетание клавиш: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>Найдена новая версия</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>Скачать сейчас</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>Ошибка сети: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>Сведения об обновлении неверны</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>Номер текущей версии неверен</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>Доступна новая версия: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>У вас последняя версия</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>Неверный адрес</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>Адрес загрузки небезопасен; загрузка отклонена</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>Не удаётся создать файл</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>Загрузка не удалась; повторите попытку позже</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>Не удаётся открыть пакет; он сохранён в: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>Команда «%1» не выполнена. Проверьте её цель.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>Настройки голосовой кнопки</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>Настройки кнопки перевода</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>Настройки кнопки ассистента</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>Долгое нажатие</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>Настройки кнопки колеса</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Открывать сайт</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>Не открывать</translation>
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
