<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
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
</context>
<context>
    <name>FunControlCenter</name>
    <message>
        <source>当前识别语言暂不可用</source>
        <translation>현재 언어의 인식은 아직 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>语音输入</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>음성 번역</translation>
    </message>
    <message>
        <source>语音翻译暂不可用</source>
        <translation>음성 번역은 아직 사용할 수 없습니다</translation>
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
        <source>截屏识别</source>
        <translation>스크린샷 인식</translation>
    </message>
    <message>
        <source>截屏识别暂不可用</source>
        <translation>스크린샷 인식은 아직 사용할 수 없습니다</translation>
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
