<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>Chat con IA</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Dictado</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Traducir captura</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>Dictar con clic</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Buscar en Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Abrir página web</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>Ajustes del botón personalizado</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>Pulsación larga</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>Pulsación corta</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>Ajustes de reconocimiento de voz</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Añadir puntuación</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Idioma de reconocimiento</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Búsqueda por voz</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>Motor de búsqueda</translation>
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
        <translation>Ajustes de entrada</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>Modo de entrada</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>Escritura en directo</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>Frase completa</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>Se perdió la conexión de la reunión y no se pudo restablecer</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>Entrada por voz</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>Asistente de voz</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Chat con IA</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Traducción de capturas</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Buscar en Baidu</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Abrir página web</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>Sin asignar</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>No se puede capturar la pantalla: esta sesión no permite a los programas leer la pantalla</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>Copiar al portapapeles (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>Guardar en archivo (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>Dibujar una línea (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>Dibujar un rectángulo (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>Dibujar una elipse (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>Añadir texto (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>Extraer texto (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>Traducir</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>El servicio de reconocimiento de texto no respondió a tiempo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>No se puede conectar con el servicio de reconocimiento de texto. Compruebe la red.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>El servicio de reconocimiento de texto rechazó la solicitud. Actualice e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>Demasiadas solicitudes de reconocimiento de texto. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>El servicio de reconocimiento de texto no está disponible temporalmente. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>El servicio de reconocimiento de texto devolvió una respuesta ilegible.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>El reconocimiento de texto falló. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>El servicio de reconocimiento de texto no está configurado</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>No se pudo leer la captura. Vuelva a capturar la pantalla.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>El servicio de traducción no respondió a tiempo. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>No se puede conectar con el servicio de traducción. Comprueba la red.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>El servicio de traducción rechazó la solicitud. Actualiza e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>Demasiadas solicitudes de traducción. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>El servicio de traducción no está disponible por ahora. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>El servicio de traducción devolvió un resultado ilegible.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>El servicio de traducción no está configurado.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>Relleno</translation>
    </message>
</context>
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
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>Modelo de ratón: %1; conexión: %2; sn: %3; batería: %4; firmware: %5; DPI: %6; rueda libre: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>Ventana de registro</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>Conectar dispositivo</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>Consultar información</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>Rueda libre activada</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>Rueda libre desactivada</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>Reproducir grabación</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>Decodificar datos</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>Probar acta de reunión</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>Prueba de archivo de audio</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>Dictado</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>Soltar dictado</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>Dictado con traducción</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>Soltar dictado con traducción</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>Texto reconocido</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>El dispositivo está conectado; se desconecta el modo actual</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción de voz</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Texto fijo</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Comando de voz</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Añadir un comando personalizado</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>Comando de voz + ruta de carpeta → diga el comando para abrir la carpeta</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>Comando de voz + archivo de aplicación → diga el comando para iniciar la aplicación</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>Comando de voz + dirección completa (p. ej. https://...) → diga el comando para abrir la página web</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>Comando de voz + texto → diga el comando para escribir el texto (solo en esta sesión)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Error de descarga</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>No se puede escribir en la carpeta «%1». Elija otra ubicación.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Instalar Vorn</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Iniciar Vorn</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>No se pudo iniciar Vorn. Ejecútelo manualmente: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>No se encuentra el instalador: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>No se pudo iniciar el instalador. Ejecútelo manualmente: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>Entrada por voz</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
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
        <source>未识别到文字</source>
        <translation>No se encontró texto</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>No se grabó ningún sonido</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>El servicio de transcripción de reuniones no está configurado</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>Comando de voz</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+Añadir comando</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Texto fijo</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>No se pudo guardar la lista de comandos. Compruebe que la carpeta del programa admite escritura.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>Reconocimiento de voz</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>Reconocimiento de capturas</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Traducción de capturas</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>Reconocimiento de texto seleccionado</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traducción de texto seleccionado</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>Ventana de registro</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>Salida a la ventana</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>Salida a archivo</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Salida a Debug</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>Borrar registro</translation>
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
    <message>
        <source>Model: </source>
        <translation>Modelo: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>Batería baja</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>Solo queda un %1% de batería. Cargue el ratón pronto.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>La ventana de IA aún no está disponible</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Captura de pantalla</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>Teclas rápidas globales (los botones F17–F20 del ratón)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>Escribir el texto reconocido en otros programas</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>OCR y traducción de capturas de pantalla</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>Captura del texto seleccionado</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>Escucha global del ratón</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Sesión Wayland: Talkvane se ejecuta como programa X11 mediante XWayland; estas funciones solo sirven con programas X11: %1. Los programas Wayland nativos no reciben el texto escrito ni las teclas rápidas.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>No disponible en una sesión Wayland: %1. Wayland no permite que un programa capture teclas, escriba en otros programas ni lea su pantalla. El texto reconocido se sigue mostrando en la ventana de Talkvane; la traducción, la IA, las reuniones, los ajustes y la conexión del ratón funcionan como siempre.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>Reunión</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>Nueva acta de reunión</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>La base de datos de reuniones es de solo lectura; no se pueden guardar reuniones nuevas ni cambios.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>No se puede abrir el archivo de base de datos</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>El archivo de base de datos de reuniones está dañado y no se puede leer. El archivo se ha dejado tal cual: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>Error al inicializar la tabla de datos</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>No se pudo leer la lista de reuniones: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>No se pudo leer la reunión: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>No se puede eliminar una reunión que se está grabando.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>No se pudo eliminar la reunión: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>No se pudo guardar la traducción: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>No se pudo guardar la reunión: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>No se pudo guardar el resumen de IA: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>Acta de reunión</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>Transcripción en vivo</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>Grabación de la reunión</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>Traducción de la reunión</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>Resumen de IA de la reunión</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Exportar a Word</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>Resumen de IA</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>Traducir de nuevo</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>No se puede guardar la reunión: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>No se pudo guardar la reunión: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>Ahora no se puede guardar la reunión; la grabación continúa: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Error de traducción: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>Generando el resumen de IA…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>Error del resumen de IA: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Exportar documento de Word</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Documentos de Word (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>No se puede crear el archivo: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>El documento se exportó a:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>El servicio de resumen de reuniones no está configurado</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>La grabación ya no se puede escribir en el disco (%1). Lo grabado hasta ahora se conserva; la transcripción continúa.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>la base de datos es de solo lectura y no tiene tabla de reuniones</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>no hay ninguna reunión con id %1</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>la base de datos de reuniones no está abierta</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>la reunión ya no está guardada</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>El servicio de reconocimiento de voz no está configurado</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>El servicio de reconocimiento de voz no respondió a tiempo. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>No se puede conectar con el servicio de reconocimiento de voz. Compruebe la red.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>El servicio de reconocimiento de voz rechazó la solicitud. Compruebe la clave.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>Demasiadas solicitudes de reconocimiento de voz. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>El servicio de reconocimiento de voz no está disponible temporalmente. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>El servicio de reconocimiento de voz devolvió una respuesta ilegible.</translation>
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
        <translation>Receptor</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>Ajustes de IA</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Aplicación</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>Guía de uso</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Directorio IA</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>Reuniones</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>Chat con IA</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Desconectado</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>Guía de uso</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>La guía de uso llegará en una versión posterior.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>Directorio de IA</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>El directorio de IA llegará en una versión posterior.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>La página de reuniones en la nube llegará en una versión posterior.</translation>
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
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>La selección es demasiado pequeña. Arrastre primero sobre la zona que desea.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>No se pudo guardar la captura</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>Idioma de reconocimiento de voz</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>Idioma de traducción por voz</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>Idioma de reconocimiento de capturas</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>Idioma de traducción de capturas</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>Idioma de reconocimiento de texto seleccionado</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>Idioma de traducción de texto seleccionado</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>Ajustes de botones</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>Botón de voz</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>Botón de traducción</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>Botón de búsqueda</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>Botón personalizado</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>Botón de la rueda</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>Botón de IA</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>Entrada por voz</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Búsqueda por voz</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>Pulsación corta: %1    Pulsación larga: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Abrir sitio web</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>No abrir sitio web</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>Ningún dispositivo conectado</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>Pulse teclas</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>Tipo de conexión</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>Batería</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>Versión del programa</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>Guardar registros</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>Subir registros</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>Información del hardware</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>Versión de firmware</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>Este sistema no admite el inicio automático al iniciar sesión</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>El servidor está ocupado. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>No se encontró ningún archivo de registro.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> correcta</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> fallida</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TencentCloudSpeech</name>
    <message>
        <source>语音识别服务不可用</source>
        <translation>El servicio de reconocimiento de voz no está disponible</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>El servicio de reconocimiento cerró la conexión</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>No se puede conectar con el servicio de reconocimiento de voz</translation>
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
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>Ajustes de traducción por voz</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>Ajustes de traducción de texto seleccionado</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>Ajustes de traducción de capturas</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>Idioma de origen</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traducir texto seleccionado</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>Atajo de captura</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>Atajo: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>Se encontró una versión nueva</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>Descargar ahora</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>Error de red: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>La información de actualización no es válida</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>El número de versión actual no es válido</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>Hay una versión más reciente: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>Ya tiene la versión más reciente</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>Dirección incorrecta</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>La dirección de descarga no es segura; se rechazó la descarga</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>La descarga falló; inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>No se puede abrir el paquete; se guardó en: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>El comando «%1» ha fallado. Compruebe su destino.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>Ajustes del botón de voz</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>Ajustes del botón de traducción</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>Ajustes del botón del asistente</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>Al pulsar</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>Al mantener</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>Ajustes del botón de la rueda</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>Abrir sitio web</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>No abrir sitio web</translation>
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
