// A headless backend whose peers write down what they are told, as "Name:What".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vcl/headless/HeadlessBackend.h"

class RecordingBackend : public vcl::headless::HeadlessBackend {
  public:
    std::vector<std::string> Created;
    std::vector<std::string> Changes;

    std::unique_ptr<vcl::ControlPeer> CreatePeer(vcl::TControl& control) override {
        Created.push_back(control.Name);
        return std::make_unique<Peer>(control.Name, Changes);
    }

  private:
    struct Peer : vcl::ControlPeer {
        Peer(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}
        void Changed(vcl::Change what) override {
            if (what == vcl::Change::Color) log.push_back(name + ":Color");
            if (what == vcl::Change::Font) log.push_back(name + ":Font");
        }
        std::string name;
        std::vector<std::string>& log;
    };
};
