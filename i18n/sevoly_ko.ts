<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>AKeySetting</name>
    <message>
        <source>AI大模型</source>
        <translation>AI 채팅</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>음성 비서</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>스크린샷 번역</translation>
    </message>
    <message>
        <source>长语音(单击开启)</source>
        <translation>클릭하여 음성 입력</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>바이두 검색</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>바탕 화면으로</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>웹 페이지 열기</translation>
    </message>
    <message>
        <source>自定义键设置</source>
        <translation>사용자 지정 버튼 설정</translation>
    </message>
    <message>
        <source>长按</source>
        <translation>길게 누르기</translation>
    </message>
    <message>
        <source>短按</source>
        <translation>짧게 누르기</translation>
    </message>
</context>
<context>
    <name>AiSetting</name>
    <message>
        <source>语音识别设置</source>
        <translation>음성 인식 설정</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>문장 부호 넣기</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>인식 언어</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>搜索引擎</source>
        <translation>검색 엔진</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>바이두</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>구글</translation>
    </message>
    <message>
        <source>必应</source>
        <translation>빙</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>입력 설정</translation>
    </message>
    <message>
        <source>输入模式</source>
        <translation>입력 모드</translation>
    </message>
    <message>
        <source>动态打字模式</source>
        <translation>실시간 입력</translation>
    </message>
    <message>
        <source>整句输入</source>
        <translation>문장 단위 입력</translation>
    </message>
</context>
<context>
    <name>AliyunMeetingApi</name>
    <message>
        <source>会议连接已断开，重新连接失败</source>
        <translation>회의 연결이 끊어졌고 다시 연결하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>ButtonActions</name>
    <message>
        <source>语音输入</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音助手</source>
        <translation>음성 비서</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>AI 채팅</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>스크린샷 번역</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>바이두 검색</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>웹 페이지 열기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>请选择</source>
        <translation>선택하세요</translation>
    </message>
    <message>
        <source>未设置</source>
        <translation>설정 안 됨</translation>
    </message>
</context>
<context>
    <name>CaMainWindow</name>
    <message>
        <source>无法截取屏幕：当前会话不允许程序读取屏幕内容</source>
        <translation>화면을 캡처할 수 없습니다: 이 세션에서는 프로그램이 화면을 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>CaptureToolBar</name>
    <message>
        <source>复制到剪贴板(Enter)</source>
        <translation>클립보드에 복사 (Enter)</translation>
    </message>
    <message>
        <source>保存到文件(S)</source>
        <translation>파일로 저장 (S)</translation>
    </message>
    <message>
        <source>绘制线段(L)</source>
        <translation>선 그리기 (L)</translation>
    </message>
    <message>
        <source>绘制矩形(P)</source>
        <translation>사각형 그리기 (P)</translation>
    </message>
    <message>
        <source>绘制椭圆(M)</source>
        <translation>타원 그리기 (M)</translation>
    </message>
    <message>
        <source>添加文本(T)</source>
        <translation>텍스트 추가 (T)</translation>
    </message>
    <message>
        <source>提取文字(O)</source>
        <translation>텍스트 추출 (O)</translation>
    </message>
    <message>
        <source>翻译(T)</source>
        <translation>번역</translation>
    </message>
</context>
<context>
    <name>CloudOCR</name>
    <message>
        <source>文字识别服务响应超时，请稍后再试</source>
        <translation>텍스트 인식 서비스의 응답 시간이 초과되었습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>无法连接文字识别服务，请检查网络</source>
        <translation>텍스트 인식 서비스에 연결할 수 없습니다. 네트워크를 확인하세요.</translation>
    </message>
    <message>
        <source>文字识别服务拒绝了请求，请刷新后再试</source>
        <translation>텍스트 인식 서비스가 요청을 거부했습니다. 새로 고친 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>文字识别请求过于频繁，请稍后再试</source>
        <translation>텍스트 인식 요청이 너무 많습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>文字识别服务暂时不可用，请稍后再试</source>
        <translation>텍스트 인식 서비스를 일시적으로 사용할 수 없습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>文字识别服务返回了无法识别的结果</source>
        <translation>텍스트 인식 서비스가 읽을 수 없는 결과를 보냈습니다.</translation>
    </message>
    <message>
        <source>文字识别失败，请稍后再试</source>
        <translation>텍스트 인식에 실패했습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>文字识别服务未配置</source>
        <translation>텍스트 인식 서비스가 구성되지 않았습니다</translation>
    </message>
    <message>
        <source>无法读取截图，请重新截图</source>
        <translation>스크린샷을 읽을 수 없습니다. 다시 캡처하세요.</translation>
    </message>
</context>
<context>
    <name>CloudTranslator</name>
    <message>
        <source>翻译服务响应超时，请稍后再试</source>
        <translation>번역 서비스 응답 시간이 초과되었습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>无法连接翻译服务，请检查网络</source>
        <translation>번역 서비스에 연결할 수 없습니다. 네트워크를 확인하세요.</translation>
    </message>
    <message>
        <source>翻译服务拒绝了请求，请刷新后再试</source>
        <translation>번역 서비스가 요청을 거부했습니다. 새로 고친 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>翻译请求过于频繁，请稍后再试</source>
        <translation>번역 요청이 너무 많습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>翻译服务暂时不可用，请稍后再试</source>
        <translation>번역 서비스를 일시적으로 사용할 수 없습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>翻译服务返回了无法识别的结果</source>
        <translation>번역 서비스가 읽을 수 없는 결과를 반환했습니다.</translation>
    </message>
    <message>
        <source>翻译服务未配置</source>
        <translation>번역 서비스가 구성되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>ColorPanel</name>
    <message>
        <source>填充</source>
        <translation>채우기</translation>
    </message>
</context>
<context>
    <name>Debug</name>
    <message>
        <source>切换模式需要手动重新连接设备</source>
        <translation>모드를 전환하려면 장치를 수동으로 다시 연결해야 합니다</translation>
    </message>
    <message>
        <source>按键测试</source>
        <translation>버튼 테스트</translation>
    </message>
    <message>
        <source>按键信息</source>
        <translation>버튼 정보</translation>
    </message>
    <message>
        <source>设备关闭了</source>
        <translation>장치가 닫혔습니다</translation>
    </message>
    <message>
        <source>设备连接中</source>
        <translation>장치 연결 중</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>번역 버튼</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>음성 버튼</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>검색 버튼</translation>
    </message>
    <message>
        <source>设备还未通信，不能使用语音</source>
        <translation>마우스가 아직 연결되지 않아 음성을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>按下了</source>
        <translation>누름: </translation>
    </message>
    <message>
        <source>；次数：</source>
        <translation>; 횟수: </translation>
    </message>
    <message>
        <source>抬起了</source>
        <translation>뗌: </translation>
    </message>
    <message>
        <source>鼠标型号：%1;连接模式：%2;sn: %3; 电量：%4; 固件版本：%5; DPI：%6; 滚轮开关：%7</source>
        <translation>마우스 모델: %1; 연결: %2; sn: %3; 배터리: %4; 펌웨어: %5; DPI: %6; 휠 전환: %7</translation>
    </message>
</context>
<context>
    <name>DiagnosticsPanel</name>
    <message>
        <source>日志窗口</source>
        <translation>로그 창</translation>
    </message>
    <message>
        <source>断开连接</source>
        <translation>연결 끊기</translation>
    </message>
    <message>
        <source>连接设备</source>
        <translation>장치 연결</translation>
    </message>
    <message>
        <source>查询设备信息</source>
        <translation>장치 정보 조회</translation>
    </message>
    <message>
        <source>滚轮弹开</source>
        <translation>휠 프리 켜기</translation>
    </message>
    <message>
        <source>滚轮弹关</source>
        <translation>휠 프리 끄기</translation>
    </message>
    <message>
        <source>开启录音</source>
        <translation>녹음 시작</translation>
    </message>
    <message>
        <source>停止录音</source>
        <translation>녹음 중지</translation>
    </message>
    <message>
        <source>播放录音</source>
        <translation>녹음 재생</translation>
    </message>
    <message>
        <source>解码数据</source>
        <translation>데이터 디코딩</translation>
    </message>
    <message>
        <source>测试会议纪要</source>
        <translation>회의록 테스트</translation>
    </message>
    <message>
        <source>音频文件测试</source>
        <translation>오디오 파일 테스트</translation>
    </message>
    <message>
        <source>语音听写</source>
        <translation>음성 받아쓰기</translation>
    </message>
    <message>
        <source>松开语音听写</source>
        <translation>받아쓰기 놓기</translation>
    </message>
    <message>
        <source>翻译听写</source>
        <translation>번역 받아쓰기</translation>
    </message>
    <message>
        <source>松开翻译听写</source>
        <translation>번역 받아쓰기 놓기</translation>
    </message>
    <message>
        <source>识别文本</source>
        <translation>인식된 텍스트</translation>
    </message>
    <message>
        <source>设备已经连接，自动断开当前模式</source>
        <translation>장치가 연결되어 있어 현재 모드의 연결을 끊습니다</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
</context>
<context>
    <name>DialogIns</name>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>고정 텍스트</translation>
    </message>
    <message>
        <source>选择</source>
        <translation>찾아보기</translation>
    </message>
    <message>
        <source>指令类别</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>음성 명령</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>실행 대상</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>만들기</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>사용자 명령 추가</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>语音指令 + 选择文件夹路径 → 说出指令词直接打开目标文件夹</source>
        <translation>음성 명령 + 폴더 경로 → 명령을 말하면 폴더가 열립니다</translation>
    </message>
    <message>
        <source>语音指令 + 选择应用文件 → 说出指令词自动启动应用</source>
        <translation>음성 명령 + 앱 파일 → 명령을 말하면 앱이 실행됩니다</translation>
    </message>
    <message>
        <source>语音指令 + 输入完整网址（如 https://...） → 说出指令词即刻跳转至网页</source>
        <translation>음성 명령 + 전체 주소(예: https://...) → 명령을 말하면 웹 페이지로 이동합니다</translation>
    </message>
    <message>
        <source>语音指令 + 输入文字 → 说出指令词输入这段文字（仅本次运行有效）</source>
        <translation>음성 명령 + 텍스트 → 명령을 말하면 텍스트가 입력됩니다(이번 실행 중에만)</translation>
    </message>
    <message>
        <source>选择文件夹</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>DownloadManager</name>
    <message>
        <source>保存文件</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>다운로드 실패</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>“%1” 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>无法写入文件夹“%1”，请选择其他位置。</source>
        <translation>“%1” 폴더에 쓸 수 없습니다. 다른 위치를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>ExternalAiClient</name>
    <message>
        <source>一键安装龙虾</source>
        <translation>Vorn 설치</translation>
    </message>
    <message>
        <source>启动龙虾</source>
        <translation>Vorn 실행</translation>
    </message>
    <message>
        <source>启动龙虾失败，请手动运行: %1</source>
        <translation>Vorn을 실행하지 못했습니다. 직접 실행하세요: %1</translation>
    </message>
    <message>
        <source>安装文件不存在: %1</source>
        <translation>설치 파일이 없습니다: %1</translation>
    </message>
    <message>
        <source>启动安装程序失败，请手动运行: %1</source>
        <translation>설치 프로그램을 실행하지 못했습니다. 직접 실행하세요: %1</translation>
    </message>
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>语音输入</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>AI语音助手</source>
        <translation>AI 음성 비서</translation>
    </message>
    <message>
        <source>识别文字为空</source>
        <translation>인식된 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>语音搜索暂不可用</source>
        <translation>음성 검색은 아직 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>AI助手暂不可用</source>
        <translation>AI 도우미는 아직 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>텍스트를 찾지 못했습니다</translation>
    </message>
    <message>
        <source>没有录到声音</source>
        <translation>녹음된 소리가 없습니다</translation>
    </message>
    <message>
        <source>会议转写服务未配置</source>
        <translation>회의 전사 서비스가 설정되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>ImageView</name>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>InsSetting</name>
    <message>
        <source>指令类别</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>语音指令</source>
        <translation>음성 명령</translation>
    </message>
    <message>
        <source>执行目标</source>
        <translation>실행 대상</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+명령 추가</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>网站</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>고정 텍스트</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>指令列表保存失败，请检查程序目录是否可写</source>
        <translation>명령 목록을 저장하지 못했습니다. 프로그램 폴더에 쓸 수 있는지 확인하세요.</translation>
    </message>
</context>
<context>
    <name>LanguageListWidget</name>
    <message>
        <source>语音识别</source>
        <translation>음성 인식</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>截图识别</source>
        <translation>스크린샷 인식</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>스크린샷 번역</translation>
    </message>
    <message>
        <source>划词识别</source>
        <translation>선택한 텍스트 인식</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>선택한 텍스트 번역</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>LogWidget</name>
    <message>
        <source>日志窗口</source>
        <translation>로그 창</translation>
    </message>
    <message>
        <source>输出至窗口</source>
        <translation>창으로 출력</translation>
    </message>
    <message>
        <source>输出至文件</source>
        <translation>파일로 출력</translation>
    </message>
    <message>
        <source>输出至Debug</source>
        <translation>Debug로 출력</translation>
    </message>
    <message>
        <source>清除日志</source>
        <translation>로그 지우기</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>日志目录</source>
        <translation>로그 폴더</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>确定退出此程序吗?</source>
        <translation>Talkvane을 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Model: </source>
        <translation>모델: </translation>
    </message>
    <message>
        <source>低电量警告</source>
        <translation>배터리 부족</translation>
    </message>
    <message>
        <source>电量仅剩 %1%，请及时充电！</source>
        <translation>배터리가 %1% 남았습니다. 곧 충전하세요.</translation>
    </message>
    <message>
        <source>AI窗口暂不可用</source>
        <translation>AI 창은 아직 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>更新成功</source>
        <translation>업데이트되었습니다</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>스크린샷</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>AI</translation>
    </message>
    <message>
        <source>全局热键（鼠标的 F17–F20 按键）</source>
        <translation>전역 단축키(마우스의 F17–F20 버튼)</translation>
    </message>
    <message>
        <source>向其他程序输入识别的文字</source>
        <translation>인식된 텍스트를 다른 프로그램에 입력</translation>
    </message>
    <message>
        <source>截图识字和截图翻译</source>
        <translation>스크린샷 문자 인식 및 번역</translation>
    </message>
    <message>
        <source>划词取词</source>
        <translation>선택한 텍스트 가져오기</translation>
    </message>
    <message>
        <source>全局鼠标监听</source>
        <translation>전역 마우스 감지</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>Wayland 会话：Talkvane 通过 XWayland 以 X11 方式运行，以下功能只对 X11 程序有效：%1。原生 Wayland 程序收不到输入的文字和热键。</source>
        <translation>Wayland 세션: Talkvane가 XWayland를 통해 X11 프로그램으로 실행 중이며, 다음 기능은 X11 프로그램에서만 작동합니다: %1. 네이티브 Wayland 프로그램은 입력된 텍스트와 단축키를 받지 못합니다.</translation>
    </message>
    <message>
        <source>Wayland 会话中以下功能不可用：%1。Wayland 不允许一个程序抢占按键、向其他程序输入，或读取其他程序的屏幕。识别结果仍显示在 Talkvane 的窗口中；翻译、AI、会议、设置和鼠标连接照常可用。</source>
        <translation>Wayland 세션에서는 다음 기능을 사용할 수 없습니다: %1. Wayland는 한 프로그램이 키를 가로채거나 다른 프로그램에 입력하거나 그 화면을 읽는 것을 허용하지 않습니다. 인식 결과는 계속 Talkvane 창에 표시되며, 번역, AI, 회의, 설정, 마우스 연결은 평소처럼 사용할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>MeetingList</name>
    <message>
        <source>会议名称</source>
        <translation>회의 이름</translation>
    </message>
    <message>
        <source>会议时间</source>
        <translation>회의 시간</translation>
    </message>
    <message>
        <source>会议内容</source>
        <translation>회의 내용</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>创建会议记录</source>
        <translation>회의록 만들기</translation>
    </message>
    <message>
        <source>未完成</source>
        <translation>미완료</translation>
    </message>
    <message>
        <source>会议数据库只能读取，新的会议和修改无法保存。</source>
        <translation>회의 데이터베이스가 읽기 전용입니다. 새 회의와 변경 사항을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>데이터베이스 오류</translation>
    </message>
    <message>
        <source>无法打开数据库文件</source>
        <translation>데이터베이스 파일을 열 수 없습니다</translation>
    </message>
    <message>
        <source>会议数据库文件已损坏，无法读取。文件保持原样：%1</source>
        <translation>회의 데이터베이스 파일이 손상되어 읽을 수 없습니다. 파일은 그대로 두었습니다: %1</translation>
    </message>
    <message>
        <source>初始化数据表失败</source>
        <translation>데이터 테이블 초기화에 실패했습니다</translation>
    </message>
    <message>
        <source>会议列表读取失败：%1</source>
        <translation>회의 목록을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>会议读取失败：%1</source>
        <translation>회의를 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>正在记录的会议不能删除。</source>
        <translation>기록 중인 회의는 삭제할 수 없습니다.</translation>
    </message>
    <message>
        <source>会议删除失败：%1</source>
        <translation>회의를 삭제할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>翻译保存失败：%1</source>
        <translation>번역을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>회의를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>AI总结保存失败：%1</source>
        <translation>AI 요약을 저장할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>MeetingMinutes</name>
    <message>
        <source>会议实录</source>
        <translation>회의 기록</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>기록 보기</translation>
    </message>
    <message>
        <source>停止记录</source>
        <translation>기록 중지</translation>
    </message>
    <message>
        <source>开始记录</source>
        <translation>기록 시작</translation>
    </message>
    <message>
        <source>实时会议内容</source>
        <translation>실시간 회의 내용</translation>
    </message>
    <message>
        <source>Meeting recording</source>
        <translation>회의 녹음</translation>
    </message>
    <message>
        <source>Conference translation</source>
        <translation>회의 번역</translation>
    </message>
    <message>
        <source>AI会议总结</source>
        <translation>AI 회의 요약</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>Export to word</source>
        <translation>Word로 내보내기</translation>
    </message>
    <message>
        <source>AI Summary</source>
        <translation>AI 요약</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>重新翻译</source>
        <translation>다시 번역</translation>
    </message>
    <message>
        <source>会议无法保存：%1</source>
        <translation>회의를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>会议保存失败：%1</source>
        <translation>회의를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>会议内容暂时无法保存，录音继续：%1</source>
        <translation>지금은 회의를 저장할 수 없습니다. 녹음은 계속됩니다: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>번역 실패: %1</translation>
    </message>
    <message>
        <source>正在生成AI总结…</source>
        <translation>AI 요약 생성 중…</translation>
    </message>
    <message>
        <source>AI总结失败：%1</source>
        <translation>AI 요약 실패: %1</translation>
    </message>
    <message>
        <source>导出Word文档</source>
        <translation>Word 문서 내보내기</translation>
    </message>
    <message>
        <source>Word 文档 (*.doc *.docx)</source>
        <translation>Word 문서 (*.doc *.docx)</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>无法创建文件: </source>
        <translation>파일을 만들 수 없습니다: </translation>
    </message>
    <message>
        <source>成功</source>
        <translation>성공</translation>
    </message>
    <message>
        <source>文档已成功导出到:
</source>
        <translation>문서를 내보냈습니다:
</translation>
    </message>
    <message>
        <source>未配置会议总结服务</source>
        <translation>회의 요약 서비스가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>录音无法继续写入磁盘（%1）。已录下的部分保留，转写继续。</source>
        <translation>녹음을 더 이상 디스크에 쓸 수 없습니다(%1). 지금까지 녹음된 내용은 보존되며 받아쓰기는 계속됩니다.</translation>
    </message>
</context>
<context>
    <name>MeetingStore</name>
    <message>
        <source>the database is read-only and has no meeting table</source>
        <translation>데이터베이스가 읽기 전용이며 회의 테이블이 없습니다</translation>
    </message>
    <message>
        <source>no meeting with id %1</source>
        <translation>ID %1인 회의가 없습니다</translation>
    </message>
    <message>
        <source>the meeting database is not open</source>
        <translation>회의 데이터베이스가 열려 있지 않습니다</translation>
    </message>
    <message>
        <source>the meeting is no longer stored</source>
        <translation>회의가 더 이상 저장되어 있지 않습니다</translation>
    </message>
</context>
<context>
    <name>MicrosoftSpeech</name>
    <message>
        <source>语音识别服务未配置</source>
        <translation>음성 인식 서비스가 구성되지 않았습니다</translation>
    </message>
    <message>
        <source>语音识别服务响应超时，请稍后再试</source>
        <translation>음성 인식 서비스의 응답 시간이 초과되었습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>无法连接语音识别服务，请检查网络</source>
        <translation>음성 인식 서비스에 연결할 수 없습니다. 네트워크를 확인하세요.</translation>
    </message>
    <message>
        <source>语音识别服务拒绝了请求，请检查密钥</source>
        <translation>음성 인식 서비스가 요청을 거부했습니다. 키를 확인하세요.</translation>
    </message>
    <message>
        <source>语音识别请求过于频繁，请稍后再试</source>
        <translation>음성 인식 요청이 너무 많습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>语音识别服务暂时不可用，请稍后再试</source>
        <translation>음성 인식 서비스를 일시적으로 사용할 수 없습니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>语音识别服务返回了无法识别的结果</source>
        <translation>음성 인식 서비스가 읽을 수 없는 결과를 보냈습니다.</translation>
    </message>
</context>
<context>
    <name>MouseDevice</name>
    <message>
        <source>鼠标接收器已插入，但没有权限打开它（缺少 udev 规则）。请运行 scripts/install-udev-rule.sh，或把 data/udev/70-talkvane-receiver.rules 复制到 /etc/udev/rules.d/，然后重新插拔接收器。</source>
        <translation>마우스 수신기가 연결되어 있지만 열 권한이 없습니다(udev 규칙이 없음). scripts/install-udev-rule.sh를 실행하거나 data/udev/70-talkvane-receiver.rules를 /etc/udev/rules.d/에 복사한 다음 수신기를 다시 꽂으세요.</translation>
    </message>
    <message>
        <source>鼠标接收器已插入，但无法打开（%1）。请重新插拔接收器。</source>
        <translation>마우스 수신기가 연결되어 있지만 열 수 없습니다(%1). 수신기를 다시 꽂으세요.</translation>
    </message>
    <message>
        <source>蓝牙1</source>
        <translation>블루투스 1</translation>
    </message>
    <message>
        <source>蓝牙2</source>
        <translation>블루투스 2</translation>
    </message>
    <message>
        <source>接收器</source>
        <translation>수신기</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
    </message>
</context>
<context>
    <name>NavigationBar</name>
    <message>
        <source>智能设置</source>
        <translation>AI 설정</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>번역 설정</translation>
    </message>
    <message>
        <source>云指令设置</source>
        <translation>클라우드 명령</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>앱 설정</translation>
    </message>
    <message>
        <source>使用指南</source>
        <translation>사용 가이드</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>AI 모음</translation>
    </message>
    <message>
        <source>会议纪要</source>
        <translation>회의록</translation>
    </message>
    <message>
        <source>AI大模型</source>
        <translation>AI 채팅</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>연결 안 됨</translation>
    </message>
</context>
<context>
    <name>PlaceholderPage</name>
    <message>
        <source>使用指南</source>
        <translation>사용 가이드</translation>
    </message>
    <message>
        <source>使用指南将在后续版本提供。</source>
        <translation>사용 가이드는 이후 버전에서 제공될 예정입니다.</translation>
    </message>
    <message>
        <source>AI导航</source>
        <translation>AI 모음</translation>
    </message>
    <message>
        <source>AI导航将在后续版本提供。</source>
        <translation>AI 모음은 이후 버전에서 제공될 예정입니다.</translation>
    </message>
    <message>
        <source>云服务</source>
        <translation>Cloud services</translation>
    </message>
    <message>
        <source>云端会议页面将在后续版本提供。</source>
        <translation>클라우드 회의 페이지는 이후 버전에서 제공될 예정입니다.</translation>
    </message>
</context>
<context>
    <name>PlayPcmAudio</name>
    <message>
        <source>Error: (文件打开失败!   )</source>
        <translation>오류: (파일을 열 수 없습니다)</translation>
    </message>
    <message>
        <source>Error: (输出设备不支持该格式，不能播放音频。)</source>
        <translation>오류: (출력 장치가 이 형식을 지원하지 않아 오디오를 재생할 수 없습니다.)</translation>
    </message>
</context>
<context>
    <name>ScreenView</name>
    <message>
        <source>选择颜色</source>
        <translation>색 선택</translation>
    </message>
    <message>
        <source>选区太小，请先拖出要截取的区域</source>
        <translation>선택 영역이 너무 작습니다. 먼저 캡처할 영역을 드래그하세요.</translation>
    </message>
    <message>
        <source>保存图片</source>
        <translation>이미지 저장</translation>
    </message>
    <message>
        <source>无法保存截图</source>
        <translation>스크린샷을 저장할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>SearchButton</name>
    <message>
        <source>语音识别语种</source>
        <translation>음성 인식 언어</translation>
    </message>
    <message>
        <source>语音翻译语种</source>
        <translation>음성 번역 언어</translation>
    </message>
    <message>
        <source>截图识别语种</source>
        <translation>스크린샷 인식 언어</translation>
    </message>
    <message>
        <source>截图翻译语种</source>
        <translation>스크린샷 번역 언어</translation>
    </message>
    <message>
        <source>划词识别语种</source>
        <translation>선택한 텍스트 인식 언어</translation>
    </message>
    <message>
        <source>划词翻译语种</source>
        <translation>선택한 텍스트 번역 언어</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>按键设置</source>
        <translation>버튼 설정</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>语音键</source>
        <translation>음성 버튼</translation>
    </message>
    <message>
        <source>翻译键</source>
        <translation>번역 버튼</translation>
    </message>
    <message>
        <source>搜索键</source>
        <translation>검색 버튼</translation>
    </message>
    <message>
        <source>自定义键</source>
        <translation>사용자 지정 버튼</translation>
    </message>
    <message>
        <source>滚轮键</source>
        <translation>휠 버튼</translation>
    </message>
    <message>
        <source>AI键</source>
        <translation>AI 버튼</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>短按：%1    长按：%2</source>
        <translation>짧게 누르기: %1    길게 누르기: %2</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>웹사이트 열기</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>웹사이트 열지 않기</translation>
    </message>
    <message>
        <source>未连接设备</source>
        <translation>연결된 장치 없음</translation>
    </message>
</context>
<context>
    <name>ShortcutLineEdit</name>
    <message>
        <source>按下快捷键</source>
        <translation>키를 누르세요</translation>
    </message>
</context>
<context>
    <name>StatusFooter</name>
    <message>
        <source>固件版本</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>连接方式</source>
        <translation>연결 방식</translation>
    </message>
    <message>
        <source>电量</source>
        <translation>배터리</translation>
    </message>
</context>
<context>
    <name>SystemSetting</name>
    <message>
        <source>通用设置</source>
        <translation>일반 설정</translation>
    </message>
    <message>
        <source>显示语言</source>
        <translation>표시 언어</translation>
    </message>
    <message>
        <source>软件版本号</source>
        <translation>소프트웨어 버전</translation>
    </message>
    <message>
        <source>开机启动</source>
        <translation>로그인 시 시작</translation>
    </message>
    <message>
        <source>检查更新</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>로그</translation>
    </message>
    <message>
        <source>日志记录</source>
        <translation>로그 기록</translation>
    </message>
    <message>
        <source>日志上传</source>
        <translation>로그 업로드</translation>
    </message>
    <message>
        <source>硬件信息</source>
        <translation>하드웨어 정보</translation>
    </message>
    <message>
        <source>固件版本号</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <source>序列号</source>
        <translation>일련번호</translation>
    </message>
    <message>
        <source>此系统不支持开机启动</source>
        <translation>이 시스템은 로그인 시 자동 시작을 지원하지 않습니다</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>업로드</translation>
    </message>
    <message>
        <source>The server is busy. Please try again later.</source>
        <translation>서버가 혼잡합니다. 잠시 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No log file was detected.</source>
        <translation>로그 파일을 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Unknow Error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>成功</source>
        <translation> 성공</translation>
    </message>
    <message>
        <source>失败</source>
        <translation> 실패</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>TencentCloudSpeech</name>
    <message>
        <source>语音识别服务不可用</source>
        <translation>음성 인식 서비스를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>인식 서비스가 연결을 끊었습니다</translation>
    </message>
    <message>
        <source>无法连接语音识别服务</source>
        <translation>음성 인식 서비스에 연결할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>TraDialogue</name>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>正在识别语音</source>
        <translation>음성을 인식하는 중…</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>图片识别-文字翻译</source>
        <translation>이미지 텍스트 - 번역</translation>
    </message>
    <message>
        <source>图片识别-文字识别</source>
        <translation>이미지 텍스트 - 인식</translation>
    </message>
    <message>
        <source>划词识别-文字翻译</source>
        <translation>선택한 텍스트 - 번역</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>복사됨</translation>
    </message>
</context>
<context>
    <name>TraSetting</name>
    <message>
        <source>语音翻译设置</source>
        <translation>음성 번역 설정</translation>
    </message>
    <message>
        <source>划词翻译设置</source>
        <translation>선택한 텍스트 번역 설정</translation>
    </message>
    <message>
        <source>截图翻译设置</source>
        <translation>스크린샷 번역 설정</translation>
    </message>
    <message>
        <source>识别语种</source>
        <translation>원본 언어</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>번역 언어</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>선택한 텍스트 번역</translation>
    </message>
    <message>
        <source>截图快捷键</source>
        <translation>스크린샷 단축키</translation>
    </message>
    <message>
        <source>快捷键：Alt+x</source>
        <translation>단축키: Alt+x</translation>
    </message>
</context>
<context>
    <name>UpdateDialogue</name>
    <message>
        <source>检查更新</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>检查到新版了</source>
        <translation>새 버전을 찾았습니다</translation>
    </message>
    <message>
        <source>立即下载</source>
        <translation>지금 다운로드</translation>
    </message>
    <message>
        <source>正在检查...</source>
        <translation>확인 중...</translation>
    </message>
    <message>
        <source>网络错误：</source>
        <translation>네트워크 오류: </translation>
    </message>
    <message>
        <source>更新信息无效</source>
        <translation>업데이트 정보가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>当前版本号无效</source>
        <translation>현재 버전 번호가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>检测到有最新的版本：</source>
        <translation>새 버전이 있습니다: </translation>
    </message>
    <message>
        <source>已经是最新的了</source>
        <translation>이미 최신 버전입니다</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>地址错误</source>
        <translation>주소 오류</translation>
    </message>
    <message>
        <source>下载地址不安全，已拒绝下载</source>
        <translation>다운로드 주소가 안전하지 않아 다운로드를 거부했습니다</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>파일을 만들 수 없습니다</translation>
    </message>
    <message>
        <source>下载失败，请稍后重试</source>
        <translation>다운로드에 실패했습니다. 나중에 다시 시도하세요</translation>
    </message>
    <message>
        <source>无法打开安装包，它已保存在：%1</source>
        <translation>패키지를 열 수 없습니다. 저장 위치: %1</translation>
    </message>
</context>
<context>
    <name>VoiceCommandExecutor</name>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>%1指令执行失败，请检查执行路径</source>
        <translation>“%1” 명령을 실행하지 못했습니다. 실행 대상을 확인하세요.</translation>
    </message>
</context>
<context>
    <name>VoiceTraAssSetting</name>
    <message>
        <source>语音键设置</source>
        <translation>음성 버튼 설정</translation>
    </message>
    <message>
        <source>翻译键设置</source>
        <translation>번역 버튼 설정</translation>
    </message>
    <message>
        <source>助手键设置</source>
        <translation>비서 버튼 설정</translation>
    </message>
    <message>
        <source>单击按键功能</source>
        <translation>클릭 시</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>长按按键功能</source>
        <translation>길게 누를 때</translation>
    </message>
</context>
<context>
    <name>WheelSetting</name>
    <message>
        <source>滚轮键设置</source>
        <translation>휠 버튼 설정</translation>
    </message>
    <message>
        <source>弹出网址</source>
        <translation>웹사이트 열기</translation>
    </message>
    <message>
        <source>不弹出网址</source>
        <translation>웹사이트 열지 않기</translation>
    </message>
</context>
<context>
    <name>XFYunWebApiDomestic</name>
    <message>
        <source>您好像没有说话或者按键时间过短</source>
        <translation>말하지 않았거나 버튼을 너무 짧게 누른 것 같습니다</translation>
    </message>
    <message>
        <source>识别服务断开了连接</source>
        <translation>인식 서비스 연결이 끊어졌습니다</translation>
    </message>
</context>
</TS>
