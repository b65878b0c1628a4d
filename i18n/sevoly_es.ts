<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>Para cambiar de modo hay que volver a conectar el dispositivo</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>Prueba de botones</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>Información del botón</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>Dispositivo cerrado</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>Conectando con el dispositivo</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>botón de traducción</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>botón de voz</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>botón de búsqueda</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>El ratón aún no está conectado; no se puede usar la voz</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>Pulsado el </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; veces: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>Soltado el </translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>El reconocimiento aún no está disponible para este idioma</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Entrada por voz</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>La traducción por voz aún no está disponible</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Búsqueda por voz</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>Asistente de voz con IA</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>No se reconoció ningún texto</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>La búsqueda por voz aún no está disponible</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>El asistente de IA aún no está disponible</translation>
    </message>
    <message>
        <source>截屏识别</source>
        <translation>Reconocimiento de capturas</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>El reconocimiento de capturas aún no está disponible</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>Carpeta de registros</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>¿Seguro que quieres salir de Talkvane?</translation>
    </message>
</context>
<context>
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>El receptor del ratón está conectado, pero no hay permiso para abrirlo (falta la regla udev). Ejecute scripts/install-udev-rule.sh o copie data/udev/70-talkvane-receiver.rules en /etc/udev/rules.d/ y vuelva a conectar el receptor.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>El receptor del ratón está conectado, pero no se puede abrir (%1). Desconecte el receptor y vuelva a conectarlo.</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>Error: (no se pudo abrir el archivo)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>Error: (el dispositivo de salida no admite este formato; no se puede reproducir el audio.)</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>Reconociendo voz…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>Texto de imagen - Traducción</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>Texto de imagen - Reconocimiento</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>Texto seleccionado - Traducción</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copiado</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>Parece que no has hablado o que pulsaste el botón muy poco tiempo</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>El servicio de reconocimiento cerró la conexión</translation>
    </message>
</context>
</TS>
